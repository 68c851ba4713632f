// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafolders.h"

#include "core/log.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace lxp {

QString AnimationsFolder()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Animations");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("lexipond/Animations"),
                                                     QStandardPaths::LocateDirectory);
    static bool told = false;
    if (installed.isEmpty() && !std::exchange(told, true))
        qCWarning(lxpLog).noquote()
            << "The write-along animations cannot be found: there is no folder" << beside
            << "and no lexipond/Animations in the data folders"
            << QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation).join(':')
            << "- the write-along lesson shows empty frames.";
    return installed;
}

} // namespace lxp
