#pragma once

#include "shell/window.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QString>

namespace lxp {

class picbtn;

// The language window: the learner picks the variant of English of the lessons
// (American or British) and the language of the screen texts (English or Korean).
// OK stores both choices and puts the new screen texts on the main menu at once;
// Cancel, or closing the window any other way, puts back what was in force when the
// window opened and stores nothing.
class frmLANGUAGE : public Window {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLANGUAGE";
    static constexpr int kWidth = 621;
    static constexpr int kHeight = 539;
    // A marker frame lies this far left of and above the button it marks (75 twips).
    static constexpr int kMarkerOffset = 5;

    frmLANGUAGE();

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void LanguageChoose(picbtn* button, const QString& language);
    void HelpLanguageChoose(picbtn* button, const QString& language);
    void HelpTextsSet();
    void Confirm();
    void Cancel();
    void ChoicesRestore();

    // What was in force when the window opened, for Cancel.
    QString m_keptHelpLanguage;
    QString m_keptLanguage;
    // Set by OK and Cancel; a window closed without them is cancelled.
    bool m_answered = false;

    QPointer<QLabel> m_lblENGLISHTYPE;
    QPointer<QLabel> m_lblAMERICAN;
    QPointer<QLabel> m_lblENGLISH;
    QPointer<QLabel> m_lblHELPTYPE;
    QPointer<QLabel> m_lblENGHELP;
    QPointer<QLabel> m_lblKOREANHELP;
    QPointer<picbtn> m_btnpAMERICAN;
    QPointer<picbtn> m_btnpENGLISH;
    QPointer<picbtn> m_btnpENGHELP;
    QPointer<picbtn> m_btnpKOREAN;
    QPointer<picbtn> m_btnpOK;
    QPointer<picbtn> m_btnpCANCEL;
    QPointer<QFrame> m_shpLANGSEL;
    QPointer<QFrame> m_shpHELPSEL;
};

} // namespace lxp
