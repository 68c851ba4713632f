// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/choices.h"

#include "core/settingsstore.h"

#include <optional>

namespace lxp {
namespace {

// Where the choices live, and the words they are stored as: "LANGUAGE" holds
// "AMERICAN" or "ENGLISH" (British), "HELP" holds "ENGLISH" or "KOREAN".
const QString kGroup = QStringLiteral("frmPROGMENUMAINDETAILS");
const QString kVariantItem = QStringLiteral("LANGUAGE");
const QString kHelpItem = QStringLiteral("HELP");

QString wordOf(ContentVariant variant)
{
    return variant == ContentVariant::British ? QStringLiteral("ENGLISH")
                                              : QStringLiteral("AMERICAN");
}

QString wordOf(HelpLanguage language)
{
    return language == HelpLanguage::Korean ? QStringLiteral("KOREAN") : QStringLiteral("ENGLISH");
}

QString stored(const QString& item)
{
    return SettingsStore().StringLoad(QLatin1String(SettingsStore::kCurrentUser),
                                      SettingsStore::ProgramKey() + kGroup, item);
}

// The choices confirmed last when they could not be stored.
std::optional<Choices>& unsaved()
{
    static std::optional<Choices> choices;
    return choices;
}

} // namespace

Choices Choices::Load()
{
    if (unsaved())
        return *unsaved();
    Choices choices;
    if (stored(kVariantItem) == wordOf(ContentVariant::British))
        choices.contentVariant = ContentVariant::British;
    choices.helpLanguage = HelpLanguageLoad();
    return choices;
}

void Choices::UnsavedForget()
{
    unsaved().reset();
}

HelpLanguage Choices::HelpLanguageLoad()
{
    if (unsaved())
        return unsaved()->helpLanguage;
    return stored(kHelpItem) == wordOf(HelpLanguage::Korean) ? HelpLanguage::Korean
                                                             : HelpLanguage::English;
}

bool Choices::Save() const
{
    const SettingsStore store;
    const QString key = QLatin1String(SettingsStore::kCurrentUser);
    const QString subKey = SettingsStore::ProgramKey() + kGroup;
    const bool variantSaved = store.StringSave(key, subKey, kVariantItem, wordOf(contentVariant));
    const bool helpSaved = store.StringSave(key, subKey, kHelpItem, wordOf(helpLanguage));
    const bool saved = variantSaved && helpSaved;
    if (saved)
        unsaved().reset();
    else
        unsaved() = *this;
    return saved;
}

} // namespace lxp
