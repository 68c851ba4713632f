// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/choices.h"

#include "core/log.h"
#include "core/settingsstore.h"

#include <QSet>
#include <QStringList>

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

// The stored word of `item` when it is one of `known`; else empty, and a stored word that
// is none of them is said once on the log.
QString stored(const QString& item, const QStringList& known)
{
    const QString word = SettingsStore().StringLoad(QLatin1String(SettingsStore::kCurrentUser),
                                                    SettingsStore::ProgramKey() + kGroup, item);
    if (word.isEmpty() || known.contains(word))
        return word;
    static QSet<QString> told;
    if (!told.contains(item + word)) {
        told.insert(item + word);
        qCWarning(lxpLog).noquote()
            << "The stored choice" << item + "=" + word
            << "is not one the program knows (" + known.join(", ") + "); it counts as"
            << known.first() << "until a choice is made in the language window.";
    }
    return {};
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
    if (stored(kVariantItem, {wordOf(ContentVariant::American), wordOf(ContentVariant::British)}) ==
        wordOf(ContentVariant::British))
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
    return stored(kHelpItem, {wordOf(HelpLanguage::English), wordOf(HelpLanguage::Korean)}) ==
                   wordOf(HelpLanguage::Korean)
               ? HelpLanguage::Korean
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
