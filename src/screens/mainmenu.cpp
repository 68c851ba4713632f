// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/mainmenu.h"

#include "core/screentexts.h"
#include "core/seam.h"
#include "screens/mainwindow.h"
#include "ui/keyboard.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/screenlabel.h"

#include <QKeyEvent>
#include <QPixmap>

namespace lxp {

namespace {

const QString kPictures = QStringLiteral("screens/frmMAINMENU");

// The lesson buttons sit on the pond, in a row of three and a row of two; each
// title sits under its button, wider than the button so that longer titles fit.
constexpr int kLessonWidth = 150;
constexpr int kLessonHeight = 112;
constexpr int kTitleWidth = 210;
constexpr int kTitleHeight = 28;
constexpr int kTitleGap = 4;
// The wide buttons stand on the sandy bank.
constexpr int kBankButtonsTop = 492;

} // namespace

MainMenu::MainMenu() : Window(QLatin1String(kName), Kind::Child) {}

QWidget* MainMenu::createScreen()
{
    auto* screen = new QWidget;
    screen->setFixedSize(MainWindow::kClientWidth, MainWindow::kClientHeight);

    // Two rounded rings on the pond gather the two rows of lessons; a line marks
    // the bank.
    const QString ring = QStringLiteral(
        "QFrame { border: 2px solid rgba(255, 255, 255, 70); border-radius: 18px; }");
    ScreenDecoration(screen, "shpShape2", QRect(32, 104, 606, 154), ring);
    ScreenDecoration(screen, "shpShape3", QRect(137, 264, 396, 154), ring);
    ScreenDecoration(
        screen, "lneLine1", QRect(110, 476, 450, 2),
        QStringLiteral("QFrame { background: rgba(176, 138, 82, 90); border: none; }"));

    // Where each lesson button stands (top left), in catalogue order: a row of three
    // on the pond, then a row of two.
    static const QPoint places[] = {{50, 112}, {260, 112}, {470, 112}, {155, 270}, {365, 270}};

    m_lessons.clear();
    for (const WindowEntry& entry : windows().entries()) {
        if (entry.menuButton.isEmpty() || m_lessons.size() == std::size(places))
            continue;
        const QPoint place = places[m_lessons.size()];
        auto* button = new PictureButton(screen);
        button->setObjectName(entry.menuButton);
        button->setProperty("PictureNormal",
                            PictureFromResource(kPictures, entry.menuButton + "_NORMAL"));
        button->setProperty("PictureHLight",
                            PictureFromResource(kPictures, entry.menuButton + "_HL"));
        button->setProperty("PicturePressed",
                            PictureFromResource(kPictures, entry.menuButton + "_PRESSED"));
        button->move(place);

        QLabel* label = ScreenLabel(
            screen, entry.menuLabel.toLatin1().constData(), QString(),
            QRect(place.x() + kLessonWidth / 2 - kTitleWidth / 2,
                  place.y() + kLessonHeight + kTitleGap, kTitleWidth, kTitleHeight),
            {.bold = true, .colour = QColor::fromRgba(kTitleColour), .alignment = Qt::AlignCenter});

        m_lessons.push_back({button, label, entry.name, entry.titleText});
        button->installEventFilter(this);
        connect(button, &PictureButton::Click, this,
                [this, window = entry.name] { LessonOpen(window); });
        connect(button, &PictureButton::MouseOut, this,
                [this, button = QPointer<PictureButton>(button), label = QPointer<QLabel>(label)] {
                    LessonHover(button, label);
                });
    }

    const int bankGap = 30;
    const int bankLeft =
        (MainWindow::kClientWidth - 3 * PictureButton::kDesignWidth - 2 * bankGap) / 2;
    const auto bankButton = [&](const char* name, int slot) {
        auto* button = new PictureButton(screen);
        button->setObjectName(QLatin1String(name));
        button->move(bankLeft + slot * (PictureButton::kDesignWidth + bankGap), kBankButtonsTop);
        return button;
    };
    m_languageButton = bankButton("btnpLANGUAGE", 0);
    m_aboutButton = bankButton("btnpABOUT", 1);
    m_closeButton = bankButton("btnpCLOSEPROGRAM", 2);

    connect(m_languageButton, &PictureButton::Click, this, [] {
        if (Window* language = windows().get(QStringLiteral("frmLANGUAGE")))
            language->showModal();
    });
    connect(m_aboutButton, &PictureButton::Click, this, [] {
        if (Window* about = windows().get(QStringLiteral("frmABOUTLXP")))
            about->showModal();
    });
    connect(m_closeButton, &PictureButton::Click, this, [] {
        if (Window* frame = windows().find(QLatin1String(kMainWindowName)))
            frame->close();
    });
    return screen;
}

void MainMenu::onLoad()
{
    if (screen())
        FormPictureLoad(QStringLiteral("MAIN"), QStringLiteral("DIALOG"), *screen());
    for (PictureButton* button :
         {m_closeButton.data(), m_aboutButton.data(), m_languageButton.data()})
        if (button)
            ButtonPicturesLoad(*button, QStringLiteral("BTN"));
    RefreshText();
}

void MainMenu::RefreshText()
{
    for (const Lesson& lesson : m_lessons) {
        if (lesson.label)
            lesson.label->setText(ScreenTextLoad(lesson.titleText));
        if (lesson.button)
            lesson.button->setTipText(ScreenTextLoad(lesson.titleText));
    }
    const auto captionAndTip = [](PictureButton* button, int text) {
        if (!button)
            return;
        button->setCaption(ScreenTextLoad(text));
        button->setTipText(ScreenTextLoad(text));
    };
    captionAndTip(m_aboutButton, 44);
    captionAndTip(m_closeButton, 42);
    captionAndTip(m_languageButton, 43);
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow keys move between the lesson buttons; Return on one opens its lesson.
    if (event->type() == QEvent::KeyPress) {
        QList<QWidget*> buttons;
        for (const Lesson& lesson : m_lessons)
            buttons << lesson.button.data();
        if (auto* from = qobject_cast<QWidget*>(watched);
            from && buttons.contains(from) &&
            ArrowFocusMove(static_cast<QKeyEvent*>(event)->key(), from, buttons))
            return true;
    }
    return Window::eventFilter(watched, event);
}

void MainMenu::LessonOpen(const QString& window)
{
    // A lesson that cannot be made leaves the menu where it is, rather than an empty
    // frame with no way back.
    Window* lesson = windows().get(window);
    if (!lesson)
        return;
    close();
    lesson->show();
}

void MainMenu::LessonHover(PictureButton* button, QLabel* label)
{
    if (!button || !label)
        return;
    if (button->mousePosnOnOut()) {
        if (LabelColour(*label).rgba() != kTitleHoverColour)
            LabelColourSet(*label, QColor::fromRgba(kTitleHoverColour));
    } else {
        LabelColourSet(*label, QColor::fromRgba(kTitleColour));
    }
}

} // namespace lxp
