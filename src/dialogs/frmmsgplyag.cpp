#include "dialogs/frmmsgplyag.h"

#include "controls/picbtn.h"
#include "shell/media.h"
#include "shell/modlxplang.h"
#include "shell/sharedstate.h"

namespace lxp {

namespace {
constexpr int kButtonGap = 40;
constexpr int kButtonsTop = 136;
} // namespace

frmMSGPLYAG::frmMSGPLYAG() : FeedbackDialog(QLatin1String(kName)) {}

QWidget* frmMSGPLYAG::CreateScreen() {
    QWidget* screen = newScreen();
    headline(screen, "lblPLAYAGAIN", QStringLiteral("Would you like to play again?"), 20);
    const int left = (kWidth - 2 * picbtn::kDesignWidth - kButtonGap) / 2;
    m_btnpYES = button(screen, "btnpYES", left, kButtonsTop);
    m_btnpNO = button(screen, "btnpNO", left + picbtn::kDesignWidth + kButtonGap, kButtonsTop);
    connect(m_btnpYES, &picbtn::Click, this, [this] { Answer(true); });
    connect(m_btnpNO, &picbtn::Click, this, [this] { Answer(false); });
    return screen;
}

void frmMSGPLYAG::Form_Load() {
    if (m_btnpYES)
        ButtonPicturesLoad(*m_btnpYES, QStringLiteral("BTN"));
    if (m_btnpNO)
        ButtonPicturesLoad(*m_btnpNO, QStringLiteral("BTN"));
    backgroundLoad();
    if (m_btnpYES)
        m_btnpYES->setCAPTION(ScreenTextLoad(33));
    if (m_btnpNO)
        m_btnpNO->setCAPTION(ScreenTextLoad(32));
    shared().blnPLAYAGAIN = true;
}

void frmMSGPLYAG::Answer(bool playAgain) {
    shared().blnPLAYAGAIN = playAgain;
    Unload();
}

} // namespace lxp
