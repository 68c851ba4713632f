// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/teninarowdialog.h"

#include "ui/media.h"

namespace lxp {

TenInARowDialog::TenInARowDialog() : FeedbackDialog(QLatin1String(kName)) {}

QWidget* TenInARowDialog::createScreen()
{
    QWidget* screen = newScreen();
    headline(screen, "lblCORRECT", QStringLiteral("Well Done!"), 22, true);
    sentence(screen, "lblWordWas", QStringLiteral("You have found 10 correct answers in a row."),
             QRect(30, 72, kWidth - 60, 62));
    sentence(screen, "Label1", QStringLiteral("Keep learning with your English ."),
             QRect(30, 136, kWidth - 60, 40));
    okButton(screen, 188);
    return screen;
}

void TenInARowDialog::dialogLoaded()
{
    BellHighPlay();
}

} // namespace lxp
