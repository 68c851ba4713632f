#pragma once

#include "dialogs/feedbackdialog.h"

namespace lxp {

// "Sorry that is wrong", with the "LOOSE" sound when it opens. The caller fills the
// sentence and either the centre picture or, after hiding it, the two side pictures
// (the matching-pairs game shows both cards); then shows it with ShowModal(). OK
// closes it, and the next opening shows the centre picture again.
class frmMSGWRONG : public FeedbackDialog {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmMSGWRONG";
    frmMSGWRONG();

    // The elements a caller fills. The first access opens the dialog (its load step,
    // with its sound, runs then).
    QLabel* imgPICTURE();
    QLabel* imgPICTUREA();
    QLabel* imgPICTUREB();
    QLabel* lblWordWasfrmMSGWRONG();

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;

private:
    QPointer<QLabel> m_lblWordWasfrmMSGWRONG;
    QPointer<QLabel> m_imgPICTURE;
    QPointer<QLabel> m_imgPICTUREA;
    QPointer<QLabel> m_imgPICTUREB;
    QPointer<picbtn> m_btnpOK;
};

} // namespace lxp
