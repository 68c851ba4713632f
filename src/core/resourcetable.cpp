// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/resourcetable.h"

#include <QDir>
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

int rank(const QString& path)
{
    const int i = kExtensionPreference.indexOf(QFileInfo(path).suffix().toLower());
    return i < 0 ? kExtensionPreference.size() : i;
}

// The folder of a type, found without regard to letter case; empty when there is none.
QString folderOf(const QString& type)
{
    QString folder = QStringLiteral(":/res");
    for (const QString& part : type.split(QLatin1Char('/'))) {
        const QStringList entries = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        const auto found = std::find_if(entries.cbegin(), entries.cend(), [&](const QString& e) {
            return e.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (found == entries.cend())
            return {};
        folder += QLatin1Char('/') + *found;
    }
    return folder;
}

// The files of one type by upper-case name, read on the first look-up of that type:
// start-up touches a few small types and none of the big picture folders.
QHash<QString, QString> filesOf(const QString& type)
{
    static QHash<QString, QHash<QString, QString>> types;
    const QString key = type.toUpper();
    if (const auto known = types.constFind(key); known != types.constEnd())
        return *known;
    QHash<QString, QString> files;
    if (const QString folder = folderOf(type); !folder.isEmpty()) {
        QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            const QString path = dir.filePath(file);
            const QString name = QFileInfo(file).completeBaseName().toUpper();
            const auto existing = files.constFind(name);
            if (existing == files.constEnd() || rank(path) < rank(*existing))
                files.insert(name, path);
        }
    }
    return *types.insert(key, files);
}

} // namespace

QByteArray read(const QString& type, const QString& name)
{
    if (type.isEmpty() || name.isEmpty())
        return {};
    const QHash<QString, QString> files = filesOf(type);
    const auto found = files.constFind(name.toUpper());
    if (found == files.constEnd())
        return {};
    QFile file(*found);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool contains(const QString& type, const QString& name)
{
    return !type.isEmpty() && filesOf(type).contains(name.toUpper());
}

QStringList names(const QString& type)
{
    QStringList result = type.isEmpty() ? QStringList() : filesOf(type).keys();
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace lxp::ResourceTable
