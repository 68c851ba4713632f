#include "dialogs/frmmsgwrong.h"

#include "controls/picbtn.h"
#include "shell/media.h"
#include "shell/modlxplang.h"

namespace lxp {

namespace {
constexpr int kPictureTop = 74;
constexpr int kSidePictureInset = 70;
} // namespace

frmMSGWRONG::frmMSGWRONG() : FeedbackDialog(QLatin1String(kName)) {}

QLabel* frmMSGWRONG::imgPICTURE() {
    Load();
    return m_imgPICTURE;
}

QLabel* frmMSGWRONG::imgPICTUREA() {
    Load();
    return m_imgPICTUREA;
}

QLabel* frmMSGWRONG::imgPICTUREB() {
    Load();
    return m_imgPICTUREB;
}

QLabel* frmMSGWRONG::lblWordWasfrmMSGWRONG() {
    Load();
    return m_lblWordWasfrmMSGWRONG;
}

QWidget* frmMSGWRONG::CreateScreen() {
    QWidget* screen = newScreen();
    headline(screen, "lblWRONG", QStringLiteral("Sorry that is wrong"), 20);
    m_imgPICTURE = picture(screen, "imgPICTURE", (kWidth - kPictureWidth) / 2, kPictureTop);
    m_imgPICTUREA = picture(screen, "imgPICTUREA", kSidePictureInset, kPictureTop);
    m_imgPICTUREB =
        picture(screen, "imgPICTUREB", kWidth - kSidePictureInset - kPictureWidth, kPictureTop);
    m_imgPICTUREA->hide();
    m_imgPICTUREB->hide();
    m_lblWordWasfrmMSGWRONG =
        sentence(screen, "lblWordWasfrmMSGWRONG", QStringLiteral(" Word was"),
                 QRect(24, kPictureTop + kPictureHeight + 2, kWidth - 48, 46));
    m_btnpOK = button(screen, "btnpOK", (kWidth - picbtn::kDesignWidth) / 2, 192);
    connect(m_btnpOK, &picbtn::Click, this, [this] { Unload(); });
    return screen;
}

void frmMSGWRONG::Form_Load() {
    if (m_btnpOK) {
        ButtonPicturesLoad(*m_btnpOK, QStringLiteral("BTN"));
        m_btnpOK->setCAPTION(ScreenTextLoad(24));
    }
    backgroundLoad();
    LoosePlay();
}

} // namespace lxp
