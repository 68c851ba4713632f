// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsstore.h"

#include "core/seam.h"
#include "core/version.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

#include <optional>

namespace lxp {
namespace {

// The settings group of `SubKey` when the key lies below the program's own base key
// of the current user; nothing otherwise.
std::optional<QString> groupOf(const QString& Key, const QString& SubKey)
{
    if (Key.trimmed() != QLatin1String(SettingsStore::kCurrentUser))
        return std::nullopt;
    const QString base = SettingsStore::ProgramKey();
    if (!SubKey.startsWith(base, Qt::CaseInsensitive))
        return std::nullopt;
    QString group = SubKey.mid(base.size());
    while (group.endsWith(QLatin1Char('\\')))
        group.chop(1);
    if (group.isEmpty() || group.contains(QLatin1Char('/')))
        return std::nullopt;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group;
}

// Whether the settings file could be read; says once on the log when it could not.
// QSettings tells only when it reads the file itself, not when another settings object
// has read it before unchanged: a file found unreadable is remembered with its size and
// time of change.
bool readable(const QSettings& settings)
{
    static QHash<QString, std::pair<qint64, QDateTime>> unreadable;
    const QFileInfo file(settings.fileName());
    const std::pair stamp{file.size(), file.lastModified()};
    if (settings.status() == QSettings::NoError) {
        const auto known = unreadable.constFind(settings.fileName());
        if (known == unreadable.constEnd() || *known != stamp)
            return true;
    }
    unreadable.insert(settings.fileName(), stamp);
    SettingsProblemLog(settings.fileName() + QStringLiteral(" cannot be read as a settings file"));
    return false;
}

} // namespace

QString SettingsStore::ProgramKey()
{
    return QStringLiteral("SOFTWARE\\%1\\%2\\")
        .arg(QLatin1String(version::kCompany), QLatin1String(version::kProduct));
}

QString SettingsStore::StringLoad(const QString& Key, const QString& SubKey, const QString& Item,
                                  const QString& Default) const
{
    const auto group = groupOf(Key, SubKey);
    if (!group || Item.isEmpty())
        return Default;
    const auto settings = seam().openSettings();
    if (!settings || !readable(*settings))
        return Default;
    settings->beginGroup(*group);
    const QVariant value = settings->value(Item);
    if (!value.isValid() || value.typeId() != QMetaType::QString)
        return Default;
    const QString text = value.toString();
    if (text.size() > kLongestValue)
        return Default;
    return text;
}

bool SettingsStore::StringSave(const QString& Key, const QString& SubKey, const QString& Item,
                               const QString& data) const
{
    const auto group = groupOf(Key, SubKey);
    if (!group || Item.isEmpty())
        return false;
    // A file that cannot be read is left as it is: it may be the learner's, damaged.
    const auto settings = seam().openSettings();
    if (!settings || !settings->isWritable() || !readable(*settings))
        return false;
    settings->beginGroup(*group);
    settings->setValue(Item, data);
    settings->endGroup();
    settings->sync();
    return settings->status() == QSettings::NoError;
}

void SettingsStore::InternetLinkRun(const QString&, const QString& LinkType,
                                    const QString& Address) const
{
    if (Address.isEmpty())
        return;
    const QString prefix = LinkType.isEmpty() ? QStringLiteral("file://") : LinkType;
    if (prefix == QLatin1String("http://"))
        seam().shellOpen(Address, true);
    else
        seam().shellOpen(prefix + Address, false);
}

} // namespace lxp
