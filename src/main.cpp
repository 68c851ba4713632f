#include "app/commandline.h"
#include "app/datafolders.h"
#include "app/singleinstance.h"
#include "shell/modprogmain.h"
#include "shell/window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> exitCode = lxp::handleCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(LEXIPOND_DESKTOP_ID));
    lxp::ApplicationPrepare();
    lxp::SingleInstance instance(QStringLiteral(LEXIPOND_DESKTOP_ID));
    if (!instance.claim())
        return 0;
    qCDebug(lxp::lcLexipond) << "animations folder:" << lxp::animationsFolder();
    lxp::StartUp();
    const int result = QApplication::exec();
    lxp::windows().clear();
    return result;
}
