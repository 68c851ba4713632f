#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// "Well Done!": ten correct answers in a row, with the "BELLHIGH" sound when it opens
// and a flashing headline. Nothing to fill in; OK closes it.
class frmMSGCRT10 : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGCRT10";
    frmMSGCRT10();

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    QPointer<QLabel> m_lblCORRECT;
    QPointer<picbtn> m_btnpOK;
    QPointer<QTimer> m_tmrANIM;
};

} // namespace lxp
