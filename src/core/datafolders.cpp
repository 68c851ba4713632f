// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace lxp {

QString AnimationsFolder()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Animations");
    if (QFileInfo(beside).isDir())
        return beside;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("lexipond/Animations"),
                                  QStandardPaths::LocateDirectory);
}

} // namespace lxp
