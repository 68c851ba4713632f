#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// "You are correct !": the word's picture and a sentence about it, the "WIN" sound
// when it opens and a flashing headline. The caller fills imgPICTURE and lblWordWas,
// then shows it with ShowModal(); OK closes it.
class frmMSGCRECT : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGCRECT";
    frmMSGCRECT();

    // The elements a caller fills. The first access opens the dialog (its load step,
    // with its sound, runs then).
    QLabel* imgPICTURE();
    QLabel* lblWordWas();

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    QPointer<QLabel> m_lblCORRECT;
    QPointer<QLabel> m_lblWordWas;
    QPointer<QLabel> m_imgPICTURE;
    QPointer<picbtn> m_btnpOK;
    QPointer<QTimer> m_tmrANIM;
};

} // namespace lxp
