#include "lessons/placeholder/placeholderlesson.h"
#include "controls/screenlabel.h"

#include "controls/picbtn.h"
#include "shell/mdiprogmain.h"
#include "shell/media.h"
#include "shell/modlxplang.h"

#include <QLabel>
#include <QPixmap>

namespace lxp {

PlaceholderLesson::PlaceholderLesson(const QString& name, int titleText, const QString& menuButton)
    : Window(name, Kind::Child), m_titleText(titleText), m_menuButton(menuButton) {}

QWidget* PlaceholderLesson::CreateScreen() {
    auto* screen = new QWidget;
    screen->setFixedSize(mdiPROGMAIN::kClientWidth, mdiPROGMAIN::kClientHeight);

    // The title sits in the ribbon at the top of the page.
    ScreenLabel(screen, "lblTITLE", QString(), QRect(0, 8, mdiPROGMAIN::kClientWidth, 42),
                {.pointSize = 18, .bold = true, .colour = Qt::yellow, .alignment = Qt::AlignCenter});

    // The lesson's picture from the main menu, in the middle of the page.
    auto* picture = new QLabel(screen);
    picture->setObjectName(QStringLiteral("imgLESSON"));
    picture->setPixmap(
        PictureFromResource(QStringLiteral("screens/frmMAINMENU"), m_menuButton + "_NORMAL"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(0, 190, mdiPROGMAIN::kClientWidth, 130);

    m_btnpEXIT = new picbtn(screen);
    m_btnpEXIT->setObjectName(QStringLiteral("btnpEXIT"));
    m_btnpEXIT->move(mdiPROGMAIN::kClientWidth - picbtn::kDesignWidth - 30, 490);
    connect(m_btnpEXIT, &picbtn::Click, this, [this] { Unload(); });
    return screen;
}

void PlaceholderLesson::Form_Load() {
    if (!screen())
        return;
    FormPictureLoad(QStringLiteral("WINDOW"), QStringLiteral("DIALOG"), *screen());
    if (auto* title = screen()->findChild<QLabel*>(QStringLiteral("lblTITLE")))
        title->setText(ScreenTextLoad(m_titleText));
    if (m_btnpEXIT) {
        ButtonPicturesLoad(*m_btnpEXIT, QStringLiteral("BTN"));
        m_btnpEXIT->setCAPTION(ScreenTextLoad(23));
    }
}

void PlaceholderLesson::Form_Unload() {
    if (Window* menu = windows().get(QStringLiteral("frmMAINMENU")))
        menu->Show();
}

} // namespace lxp
