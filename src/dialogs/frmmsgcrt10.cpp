#include "dialogs/frmmsgcrt10.h"

#include "controls/picbtn.h"
#include "shell/media.h"
#include "shell/modlxplang.h"

namespace lxp {

frmMSGCRT10::frmMSGCRT10() : FeedbackDialog(QLatin1String(kName)) {}

QWidget* frmMSGCRT10::CreateScreen() {
    QWidget* screen = newScreen();
    m_lblCORRECT = headline(screen, "lblCORRECT", QStringLiteral("Well Done!"), 22);
    sentence(screen, "lblWordWas", QStringLiteral("You have found 10 correct answers in a row."),
             QRect(30, 72, kWidth - 60, 62));
    sentence(screen, "Label1", QStringLiteral("Keep learning with your English ."),
             QRect(30, 136, kWidth - 60, 40));
    m_btnpOK = button(screen, "btnpOK", (kWidth - picbtn::kDesignWidth) / 2, 188);
    connect(m_btnpOK, &picbtn::Click, this, [this] { Unload(); });
    m_tmrANIM = flasher(screen, m_lblCORRECT);
    return screen;
}

void frmMSGCRT10::Form_Load() {
    if (m_btnpOK) {
        m_btnpOK->setCAPTION(ScreenTextLoad(24));
        ButtonPicturesLoad(*m_btnpOK, QStringLiteral("BTN"));
    }
    BellHighPlay();
    backgroundLoad();
    if (m_tmrANIM)
        m_tmrANIM->start();
}

void frmMSGCRT10::Form_Unload() {
    if (m_tmrANIM)
        m_tmrANIM->stop();
}

} // namespace lxp
