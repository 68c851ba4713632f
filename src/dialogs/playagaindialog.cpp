// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/playagaindialog.h"

#include "core/sharedstate.h"
#include "ui/picturebutton.h"

namespace lxp {

namespace {
constexpr int kButtonGap = 40;
constexpr int kButtonsTop = 136;
} // namespace

PlayAgainDialog::PlayAgainDialog() : FeedbackDialog(QLatin1String(kName)) {}

QWidget* PlayAgainDialog::createScreen()
{
    QWidget* screen = newScreen();
    headline(screen, "lblPLAYAGAIN", QStringLiteral("Would you like to play again?"), 20, false);
    const int left = (kWidth - 2 * PictureButton::kDesignWidth - kButtonGap) / 2;
    answerButton(screen, "btnpYES", left, kButtonsTop, 33, [] { shared().playAgain = true; });
    answerButton(screen, "btnpNO", left + PictureButton::kDesignWidth + kButtonGap, kButtonsTop, 32,
                 [] { shared().playAgain = false; });
    return screen;
}

void PlayAgainDialog::dialogLoaded()
{
    shared().playAgain = true;
}

} // namespace lxp
