#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// "Would you like to play again?" with Yes and No. The answer is left in the shared
// flag blnPLAYAGAIN: true for Yes, false for No, and true when the dialog is closed
// any other way.
class frmMSGPLYAG : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGPLYAG";
    frmMSGPLYAG();

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;

private:
    void Answer(bool playAgain);

    QPointer<picbtn> m_btnpYES;
    QPointer<picbtn> m_btnpNO;
};

} // namespace lxp
