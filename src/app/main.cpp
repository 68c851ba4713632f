// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "core/datafolders.h"
#include "core/log.h"
#include "ui/window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    lxp::StartupStep("main");
    if (const std::optional<int> exitCode = lxp::handleCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    lxp::StartupStep("application object");
    QGuiApplication::setDesktopFileName(QStringLiteral(LEXIPOND_DESKTOP_ID));
    lxp::ApplicationPrepare();
    lxp::SingleInstance instance(QStringLiteral(LEXIPOND_DESKTOP_ID));
    if (!instance.claim())
        return 0;
    qCDebug(lxp::lxpLog) << "animations folder:" << lxp::AnimationsFolder();
    lxp::StartUp();
    const int result = QApplication::exec();
    lxp::windows().clear();
    return result;
}
