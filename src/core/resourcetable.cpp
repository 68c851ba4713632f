// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/resourcetable.h"

#include "core/log.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace lxp::ResourceTable {
namespace {

// The build places every resource file at :/res/<TYPE>/<NAME>.<ext>. Should a name
// ever exist with more than one extension, the first in this order wins, so lookups
// stay deterministic.
const QStringList kExtensionPreference = {"txt", "jpg", "wav", "bmp", "cur", "ico", "png", "gif"};

QString keyOf(const QString& type, const QString& name)
{
    return type.toUpper() + QLatin1Char('/') + name.toUpper();
}

int rank(const QString& path)
{
    const int i = kExtensionPreference.indexOf(QFileInfo(path).suffix().toLower());
    return i < 0 ? kExtensionPreference.size() : i;
}

const QHash<QString, QString>& index()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        const QString root = QStringLiteral(":/res/");
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(root.size());
            const int slash = relative.lastIndexOf(QLatin1Char('/'));
            if (slash <= 0)
                continue;
            const QString key = keyOf(relative.left(slash), QFileInfo(relative).completeBaseName());
            const auto existing = t.constFind(key);
            if (existing == t.constEnd() || rank(path) < rank(*existing))
                t.insert(key, path);
        }
        StartupStep("resource table indexed");
        return t;
    }();
    return table;
}

} // namespace

QByteArray read(const QString& type, const QString& name)
{
    if (type.isEmpty() || name.isEmpty())
        return {};
    const auto found = index().constFind(keyOf(type, name));
    if (found == index().constEnd())
        return {};
    QFile file(*found);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool contains(const QString& type, const QString& name)
{
    return index().contains(keyOf(type, name));
}

QStringList names(const QString& type)
{
    const QString prefix = type.toUpper() + QLatin1Char('/');
    QStringList result;
    for (auto it = index().constBegin(); it != index().constEnd(); ++it) {
        const QString rest = it.key().mid(prefix.size());
        if (it.key().startsWith(prefix) && !rest.contains(QLatin1Char('/')))
            result << rest;
    }
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace lxp::ResourceTable
