// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/writealong/writealongwindow.h"

#include "core/datafolders.h"
#include "core/screentexts.h"
#include "lessons/writealong/animationview.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/screenlabel.h"

#include <QKeyEvent>
#include <QTimer>

namespace lxp {

namespace {

constexpr int kScreenWidth = 670;

// The letter keyboard's first row.
constexpr int kLettersTop = 98;

// The two frames side by side, the animations at their own size inside (200 pixels
// square), each frame's other-view button under it, exit under them in the middle.
constexpr int kViewSize = 200;
constexpr int kFrameBorder = 5;
constexpr int kFrameSize = kViewSize + 2 * kFrameBorder;
constexpr int kFrameGap = 48;
constexpr int kFramesTop = 206;
constexpr int kCapitalFrameLeft = kScreenWidth / 2 - kFrameGap / 2 - kFrameSize;
constexpr int kSmallFrameLeft = kScreenWidth / 2 + kFrameGap / 2;
constexpr int kOtherViewTop = kFramesTop + kFrameSize + 8;
constexpr int kExitTop = 490;

const QColor kPond(0x44, 0x87, 0xC6);

// A frame with its animation view inside.
AnimationView* animationFrame(QWidget* screen, const char* frameName, const char* viewName,
                              int left)
{
    QFrame* frame =
        ScreenDecoration(screen, frameName, QRect(left, kFramesTop, kFrameSize, kFrameSize),
                         QStringLiteral("QFrame#%1 { background: white; border: %2px solid "
                                        "%3; border-radius: 6px; }")
                             .arg(QLatin1String(frameName))
                             .arg(kFrameBorder)
                             .arg(kPond.name()));
    auto* view = new AnimationView(frame);
    view->setObjectName(QLatin1String(viewName));
    view->setGeometry(kFrameBorder, kFrameBorder, kViewSize, kViewSize);
    return view;
}

} // namespace

WriteAlongWindow::WriteAlongWindow() : LessonWindow(QLatin1String(kName)) {}

void WriteAlongWindow::buildScreen(QWidget* screen)
{
    titleMake(screen, "lblCHRS", "lblWriteALong", QStringLiteral("Write - A - Long"),
              {0, -4, kScreenWidth, 62},
              {.pointSize = 36, .bold = true, .alignment = Qt::AlignCenter}, QColor(255, 221, 51));
    m_instruction =
        ScreenLabel(screen, "lblThisIsHowTheyAre", QString(), {20, 62, kScreenWidth - 40, 32},
                    {.pointSize = 14.25, .colour = kInk, .alignment = Qt::AlignCenter});

    const auto letters = letterKeysMake(screen, "shpLETTERS", kLettersTop);
    for (int i = 0; i < kLetters; ++i) {
        PictureButton* button = letters[size_t(i)];
        const QString tag = button->accessibleName();
        connect(button, &PictureButton::Click, this, [this, tag] { LetterChoose(tag); });
        m_letterButtons[size_t(i)] = button;
    }

    m_capitalView = animationFrame(screen, "picBDRCAPS", "wbbWebBrowser1", kCapitalFrameLeft);
    m_smallView = animationFrame(screen, "picBDRLOW", "wbbWebBrowser2", kSmallFrameLeft);

    const auto otherViewButton = [&](const char* name, int frameLeft) {
        auto* button = new PictureButton(screen);
        button->setObjectName(QLatin1String(name));
        button->move(frameLeft + (kFrameSize - PictureButton::kDesignWidth) / 2, kOtherViewTop);
        return button;
    };
    m_capitalOtherButton = otherViewButton("btnpPicbtn5", kCapitalFrameLeft);
    m_smallOtherButton = otherViewButton("btnpPicbtn6", kSmallFrameLeft);
    connect(m_capitalOtherButton, &PictureButton::Click, this, [this] {
        m_capitalView->play(animationPath(m_letter + QStringLiteral(" - Ucase.gif")));
    });
    connect(m_smallOtherButton, &PictureButton::Click, this, [this] {
        m_smallView->play(animationPath(m_letter.toLower() + QStringLiteral(" - lcase.gif")));
    });
    exitButton()->move((kScreenWidth - PictureButton::kDesignWidth) / 2, kExitTop);

    m_openingTimer = new QTimer(screen);
    m_openingTimer->setObjectName(QStringLiteral("tmrOPENING"));
    m_openingTimer->setSingleShot(true);
    m_openingTimer->setInterval(0);
    connect(m_openingTimer, &QTimer::timeout, this, [this] { LetterChoose(QStringLiteral("A")); });
}

void WriteAlongWindow::loadLesson()
{
    m_instruction->setText(ScreenTextLoad(21));
    m_capitalOtherButton->setCaption(ScreenTextLoad(51));
    m_smallOtherButton->setCaption(ScreenTextLoad(51));
    ButtonPicturesLoad(*m_capitalOtherButton, QStringLiteral("BTN"));
    ButtonPicturesLoad(*m_smallOtherButton, QStringLiteral("BTN"));

    // The folder is looked for at every opening: beside the program, else installed.
    m_folder = AnimationsFolder();
    m_letter = QStringLiteral("A");
    m_capitalView->play(animationPath(m_letter + QStringLiteral(" ucase chr.gif")));
    m_smallView->play(animationPath(m_letter.toLower() + QStringLiteral(" lcase chr.gif")));
    m_openingDue = true;
}

void WriteAlongWindow::closeLesson()
{
    m_openingDue = false;
    if (m_openingTimer)
        m_openingTimer->stop();
    for (AnimationView* view : {m_capitalView.data(), m_smallView.data()})
        if (view)
            view->stop();
}

void WriteAlongWindow::LetterChoose(const QString& letter)
{
    m_openingTimer->stop();
    m_letter = letter;
    m_capitalView->play(animationPath(letter + QStringLiteral(" ucase chr.gif")));
    m_smallView->play(animationPath(letter.toLower() + QStringLiteral(" lcase chr.gif")));
    // Nothing follows the letter, so whether the lesson is still open afterwards does
    // not matter here.
    static_cast<void>(letterSound(letter));
}

QString WriteAlongWindow::animationPath(const QString& fileName) const
{
    return m_folder.isEmpty() ? QString() : m_folder + QLatin1Char('/') + fileName;
}

bool WriteAlongWindow::keyPressed(QKeyEvent* event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const int key = event->key();
    // C and S alone are letters; with Alt they are the capital's and the small
    // letter's other view.
    const auto buttonOfKey = [&]() -> PictureButton* {
        if (held == Qt::AltModifier)
            return key == Qt::Key_C   ? m_capitalOtherButton
                   : key == Qt::Key_S ? m_smallOtherButton
                                      : nullptr;
        if (held != Qt::NoModifier)
            return nullptr;
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return m_letterButtons[size_t(key - Qt::Key_A)];
        if (key == Qt::Key_Up)
            return m_capitalOtherButton;
        if (key == Qt::Key_Down)
            return m_smallOtherButton;
        return key == Qt::Key_Escape ? exitButton() : nullptr;
    };
    PictureButton* pressed = buttonOfKey();
    return keyPressButton(pressed, event);
}

bool WriteAlongWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == screen() && event->type() == QEvent::Show && m_openingDue) {
        m_openingDue = false;
        m_openingTimer->start();
    }
    return LessonWindow::eventFilter(watched, event);
}

} // namespace lxp
