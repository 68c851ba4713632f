// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// The play-again dialog, frmMSGPLYAG: "Would you like to play again?" with Yes and
// No. The answer is left in the shared state's playAgain: true for Yes, false for No,
// and true when the dialog is closed any other way.
class PlayAgainDialog : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGPLYAG";
    PlayAgainDialog();

protected:
    QWidget* createScreen() override;
    void dialogLoaded() override;
};

} // namespace lxp
