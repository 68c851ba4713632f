#include "dialogs/frmmsgcrect.h"

#include "controls/picbtn.h"
#include "shell/media.h"
#include "shell/modlxplang.h"

namespace lxp {

frmMSGCRECT::frmMSGCRECT() : FeedbackDialog(QLatin1String(kName)) {}

QLabel* frmMSGCRECT::imgPICTURE() {
    Load();
    return m_imgPICTURE;
}

QLabel* frmMSGCRECT::lblWordWas() {
    Load();
    return m_lblWordWas;
}

QWidget* frmMSGCRECT::CreateScreen() {
    QWidget* screen = newScreen();
    m_lblCORRECT = headline(screen, "lblCORRECT", QStringLiteral("You are correct !"), 22);
    // The picture on the left of the card, the sentence beside it.
    m_imgPICTURE = picture(screen, "imgPICTURE", 52, 86);
    m_lblWordWas =
        sentence(screen, "lblWordWas", QStringLiteral(" Word Was"), QRect(156, 72, 334, 96));
    m_lblWordWas->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_btnpOK = button(screen, "btnpOK", (kWidth - picbtn::kDesignWidth) / 2, 188);
    connect(m_btnpOK, &picbtn::Click, this, [this] { Unload(); });
    m_tmrANIM = flasher(screen, m_lblCORRECT);
    return screen;
}

void frmMSGCRECT::Form_Load() {
    if (m_btnpOK) {
        m_btnpOK->setCAPTION(ScreenTextLoad(24));
        ButtonPicturesLoad(*m_btnpOK, QStringLiteral("BTN"));
    }
    WinPlay();
    backgroundLoad();
    if (m_tmrANIM)
        m_tmrANIM->start();
}

void frmMSGCRECT::Form_Unload() {
    if (m_tmrANIM)
        m_tmrANIM->stop();
}

} // namespace lxp
