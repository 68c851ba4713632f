// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/common/lessonwindow.h"

#include "core/screentexts.h"
#include "core/sharedstate.h"
#include "dialogs/correctanswerdialog.h"
#include "dialogs/playagaindialog.h"
#include "dialogs/teninarowdialog.h"
#include "dialogs/wronganswerdialog.h"
#include "ui/media.h"
#include "ui/picturebutton.h"

#include <QKeyEvent>

namespace lxp {

namespace {

// The title lies this far right of and below its shadow (45 twips).
constexpr int kTitleShadowOffset = 3;

constexpr const char* kFeedbackDialogs[] = {CorrectAnswerDialog::kName, TenInARowDialog::kName,
                                            WrongAnswerDialog::kName, PlayAgainDialog::kName};

template <class Dialog> Dialog* dialogOf()
{
    return windows().get<Dialog>();
}

} // namespace

LessonWindow::LessonWindow(const QString& name, const QString& returnTo)
    : Window(name, Kind::Child), m_returnTo(returnTo)
{
}

std::array<PictureButton*, LessonWindow::kLetterKeys>
LessonWindow::letterKeysMake(QWidget* screen, const char* panelName, int top)
{
    constexpr int kSize = 44;
    constexpr int kGap = 4;
    constexpr int kPerRow = 13;
    const int left = (screen->width() - kPerRow * kSize - (kPerRow - 1) * kGap) / 2;
    ScreenDecoration(
        screen, QLatin1String(panelName),
        QRect(left - 8, top - 5, screen->width() - 2 * (left - 8), 2 * kSize + kGap + 10),
        QStringLiteral("QFrame { background: rgba(68, 135, 198, 28); border: 2px "
                       "solid rgba(68, 135, 198, 90); border-radius: 14px; }"));
    const QString faces = QStringLiteral("screens/letters");
    std::array<PictureButton*, kLetterKeys> buttons{};
    for (int i = 0; i < kLetterKeys; ++i) {
        auto* button = new PictureButton(screen);
        const QString letter(QChar(u'A' + i));
        button->setObjectName(QStringLiteral("btnpLETTERS_%1").arg(i));
        button->setAccessibleName(letter);
        button->setProperty("Tag", letter);
        const QString face = QStringLiteral("btnpLETTERS_%1_").arg(letter);
        button->setProperty("PictureHLight", PictureFromResource(faces, face + "HL"));
        button->setProperty("PictureNormal", PictureFromResource(faces, face + "NORMAL"));
        button->setProperty("PicturePressed", PictureFromResource(faces, face + "PRESSED"));
        button->setProperty("PictureDisabled", PictureFromResource(faces, face + "DISABLED"));
        button->move(left + (i % kPerRow) * (kSize + kGap), top + (i / kPerRow) * (kSize + kGap));
        buttons[size_t(i)] = button;
    }
    return buttons;
}

QWidget* LessonWindow::createScreen()
{
    auto* screen = new QWidget;
    screen->resize(670, 560);
    screen->installEventFilter(this);
    m_exitButton = new PictureButton(screen);
    m_exitButton->setObjectName(QStringLiteral("btnpEXIT"));
    connect(m_exitButton, &PictureButton::Click, this, [this] { close(); });
    buildScreen(screen);
    return screen;
}

void LessonWindow::onLoad()
{
    FormPictureLoad(QStringLiteral("WINDOW"), QStringLiteral("DIALOG"), *screen());
    ButtonPicturesLoad(*m_exitButton, QStringLiteral("BTN"));
    m_exitButton->setCaption(ScreenTextLoad(23));
    loadLesson();
}

void LessonWindow::onClose()
{
    closeLesson();
    // A dialog of the lesson does not stay above the window it returns to.
    for (const char* dialog : kFeedbackDialogs)
        if (Window* open = windows().find(QLatin1String(dialog)))
            open->close();
    if (Window* back = windows().get(returnTo()))
        back->show();
}

bool LessonWindow::keyPressed(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}

bool LessonWindow::keyPressButton(PictureButton* button, QKeyEvent* event)
{
    if (!button)
        return LessonWindow::keyPressed(event);
    if (!event->isAutoRepeat())
        button->animateClick();
    return true;
}

bool LessonWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == screen() && event->type() == QEvent::KeyPress &&
        keyPressed(static_cast<QKeyEvent*>(event)))
        return true;
    return Window::eventFilter(watched, event);
}

void LessonWindow::titleMake(QWidget* screen, const char* shadowName, const char* titleName,
                             const QString& text, const QRect& geometry, const LabelLook& look,
                             const QColor& colour)
{
    ScreenLabel(screen, shadowName, text, geometry, look);
    LabelLook title = look;
    title.colour = colour;
    ScreenLabel(screen, titleName, text,
                geometry.translated(kTitleShadowOffset, kTitleShadowOffset), title);
}

bool LessonWindow::effectSound(const QString& name)
{
    const OpenGuard open = guard();
    EffectPlay(name);
    return bool(open);
}

bool LessonWindow::wordSound(const QString& word)
{
    const OpenGuard open = guard();
    WordPlay(word);
    return bool(open);
}

bool LessonWindow::letterSound(const QString& letter)
{
    const OpenGuard open = guard();
    LetterPlay(letter);
    return bool(open);
}

bool LessonWindow::wrongAnswerShow(const QString& sentence, const QPixmap& picture)
{
    const OpenGuard open = guard();
    auto* dialog = dialogOf<WrongAnswerDialog>();
    if (dialog && dialog->PrepareFor(open)) {
        dialog->fill(sentence, picture);
        dialog->showModal();
    }
    return bool(open);
}

bool LessonWindow::wrongAnswerShow(const QString& sentence, const QPixmap& pictureA,
                                   const QPixmap& pictureB)
{
    const OpenGuard open = guard();
    auto* dialog = dialogOf<WrongAnswerDialog>();
    if (dialog && dialog->PrepareFor(open)) {
        dialog->fillPair(sentence, pictureA, pictureB);
        dialog->showModal();
    }
    return bool(open);
}

bool LessonWindow::correctAnswerPrepare(const QString& sentence, const QPixmap& picture)
{
    const OpenGuard open = guard();
    auto* dialog = dialogOf<CorrectAnswerDialog>();
    if (!dialog)
        return bool(open);
    dialog->close(); // a fresh dialog every time
    if (dialog->PrepareFor(open))
        dialog->fill(sentence, picture);
    return bool(open);
}

bool LessonWindow::correctAnswerShow()
{
    const OpenGuard open = guard();
    if (auto* dialog = dialogOf<CorrectAnswerDialog>(); dialog && dialog->isOpen())
        dialog->showModal();
    return bool(open);
}

bool LessonWindow::tenInARowShow()
{
    const OpenGuard open = guard();
    if (auto* dialog = dialogOf<TenInARowDialog>(); dialog && dialog->PrepareFor(open))
        dialog->showModal();
    return bool(open);
}

std::optional<bool> LessonWindow::playAgainAsk()
{
    const OpenGuard open = guard();
    if (auto* dialog = dialogOf<PlayAgainDialog>(); dialog && dialog->PrepareFor(open))
        dialog->showModal();
    if (!open)
        return std::nullopt;
    return shared().playAgain;
}

} // namespace lxp
