// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "ui/window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lxp::ApplicationPrepare();
    lxp::StartUp();
    const int result = QApplication::exec();
    lxp::windows().clear();
    return result;
}
