#include "shell/frmmainmenu.h"

namespace lxp {

frmMAINMENU::frmMAINMENU() : Window(QLatin1String(kName), Kind::Child) {}

QWidget* frmMAINMENU::CreateScreen()
{
    return new QWidget;
}

void frmMAINMENU::Form_Load()
{
    RefreshText();
}

void frmMAINMENU::RefreshText() {}

} // namespace lxp
