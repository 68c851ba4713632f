#include "app/datafolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace lxp {

Q_LOGGING_CATEGORY(lcLexipond, "lexipond", QtInfoMsg)

QString animationsFolder()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Animations");
    if (QFileInfo(beside).isDir())
        return beside;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("lexipond/Animations"),
                                  QStandardPaths::LocateDirectory);
}

} // namespace lxp
