// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/alphabet/alphabetwindow.h"

#include "core/log.h"
#include "core/screentexts.h"
#include "core/sharedstate.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/screenlabel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace lxp {

namespace {

// The word in the ribbon: its first letter large and yellow, the rest white, both on
// one baseline over black shadows.
const LabelLook kLetterLook{.pointSize = 40, .bold = true};
const LabelLook kRestLook{.pointSize = 30, .bold = true};
const QColor kLetterColour(255, 221, 51);
const QColor kRestColour(250, 250, 255);
// The shadows' baseline; the titles lie 3 pixels right of and below them.
constexpr int kShadowBaseline = 44;
constexpr int kScreenWidth = 670;

// The letter keyboard's first row.
constexpr int kLettersTop = 73;

// The photograph, the sentences beside it and the counter under it.
const QRect kPicture(30, 182, 300, 225);
const QRect kSentencePanel(346, 178, 294, 233);
constexpr int kSentenceInset = 10;
constexpr int kSentenceGap = 14;
const QRect kCounter(30, 414, 300, 30);

// Back, the speaker and next side by side, exit apart at the right.
constexpr int kButtonsTop = 470;
constexpr int kBackLeft = 70;
constexpr int kButtonGap = 10;
constexpr int kSpeakerWidth = 40; // the speaker's face
constexpr int kExitLeft = 460;

const QColor kPond(0x44, 0x87, 0xC6);

} // namespace

AlphabetWindow::AlphabetWindow() : LessonWindow(QLatin1String(kName)), m_book(*this) {}

void AlphabetWindow::buildScreen(QWidget* screen)
{
    ScreenDecoration(screen, "shpShape1", kPicture.adjusted(-4, -4, 4, 4),
                     QStringLiteral("QFrame { background: white; border: 4px solid %1; "
                                    "border-radius: 6px; }")
                         .arg(kPond.name()));
    ScreenDecoration(
        screen, "shpShape2_6", kSentencePanel,
        QStringLiteral("QFrame { background: rgba(255, 255, 255, 200); border: 2px solid "
                       "%1; border-radius: 12px; }")
            .arg(kPond.name()));

    // The word: a letter and the rest, each over its shadow. titlePlace() sizes them.
    const QRect start(0, 0, 10, 10);
    titleMake(screen, "lblTITLE1_1", "lblTITLE1_0", QString(), start, kLetterLook, kLetterColour);
    titleMake(screen, "lblTITLE2_1", "lblTITLE2_0", QString(), start, kRestLook, kRestColour);
    for (int i = 0; i < 2; ++i) {
        m_titles[size_t(i)] = screen->findChild<QLabel*>(QStringLiteral("lblTITLE1_%1").arg(i));
        m_rests[size_t(i)] = screen->findChild<QLabel*>(QStringLiteral("lblTITLE2_%1").arg(i));
    }
    m_titles[1]->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_rests[1]->setAttribute(Qt::WA_TransparentForMouseEvents);

    const auto letters = letterKeysMake(screen, "shpShape3_6", kLettersTop);
    for (int i = 0; i < kLetters; ++i) {
        PictureButton* button = letters[size_t(i)];
        const QString tag = button->accessibleName();
        learnerStep(button, [this, tag] { m_book.LetterClick(tag); });
        m_letterButtons[size_t(i)] = button;
    }

    m_picture = new QLabel(screen);
    m_picture->setObjectName(QStringLiteral("picMAINWINDOW"));
    m_picture->setGeometry(kPicture);
    m_picture->setScaledContents(true);

    // SentencesSet() stacks the sentences in the panel, each as tall as its lines.
    const LabelLook sentenceLook{.pointSize = 16,
                                 .colour = kInk,
                                 .alignment = Qt::AlignLeft | Qt::AlignTop,
                                 .wordWrap = true};
    for (int i = 0; i < 3; ++i)
        m_sentences[size_t(i)] = ScreenLabel(
            screen, QStringLiteral("lblSENTENCE1_%1").arg(i).toLatin1().constData(), QString(),
            kSentencePanel.adjusted(kSentenceInset, 0, -kSentenceInset, 0), sentenceLook);

    m_counter =
        ScreenLabel(screen, "lbl1Of9", QString(), kCounter,
                    {.pointSize = 14, .bold = true, .colour = kInk, .alignment = Qt::AlignCenter});

    const auto button = [&](const char* name, int left) {
        auto* made = new PictureButton(screen);
        made->setObjectName(QLatin1String(name));
        made->move(left, kButtonsTop);
        return made;
    };
    m_backButton = button("btnpBACK", kBackLeft);
    m_helpButton = button("btnpHELP", kBackLeft + PictureButton::kDesignWidth + kButtonGap);
    m_nextButton = button("btnpNEXT", m_helpButton->x() + kSpeakerWidth + kButtonGap);
    exitButton()->move(kExitLeft, kButtonsTop);
    learnerStep(m_backButton, [this] { m_book.BackClick(); });
    learnerStep(m_nextButton, [this] { m_book.NextClick(); });
    learnerStep(m_helpButton, [this] { m_book.HelpClick(); });
    // Space says the word again even on a focused button, which would take it.
    for (PictureButton* each : screen->findChildren<PictureButton*>())
        each->installEventFilter(this);

    m_openingTimer = new QTimer(screen);
    m_openingTimer->setObjectName(QStringLiteral("tmrOPENING"));
    m_openingTimer->setSingleShot(true);
    m_openingTimer->setInterval(0);
    connect(m_openingTimer, &QTimer::timeout, this, [this] {
        m_book.LetterClick(QStringLiteral("A"));
        stepLog();
    });
}

void AlphabetWindow::learnerStep(PictureButton* button, const std::function<void()>& step)
{
    // The learner's first step comes instead of the opening one.
    connect(button, &PictureButton::Click, this, [this, step] {
        m_openingTimer->stop();
        step();
        stepLog();
    });
}

void AlphabetWindow::stepLog()
{
    // For checks of whole runs: the word and counter on show, and the word said last.
    if (lxpLog().isDebugEnabled() && isOpen())
        qCDebug(lxpLog, "alphabet: %s %s, said %s", qUtf8Printable(m_book.word()),
                qUtf8Printable(m_counter->text()), qUtf8Printable(m_lastSaid));
}

void AlphabetWindow::loadLesson()
{
    ButtonPicturesLoad(*m_backButton, QStringLiteral("BTN"));
    ButtonPicturesLoad(*m_nextButton, QStringLiteral("BTN"));
    ButtonPicturesLoad(*m_helpButton, QStringLiteral("BTNSPEAKER"));
    m_helpButton->setProperty("PictureDisabled",
                              PictureFromResource(QStringLiteral("screens/common"),
                                                  QStringLiteral("BTNSPEAKERDISABLED")));

    m_titles[0]->setToolTip(ScreenTextLoad(22));
    m_backButton->setCaption(ScreenTextLoad(25));
    m_nextButton->setCaption(ScreenTextLoad(26));
    m_helpButton->setTipText(ScreenTextLoad(36));
    m_counter->setToolTip(ScreenTextLoad(27));

    m_book.setContentVariant(shared().contentVariant);
    m_book.Load();
    m_openingDue = true;
}

void AlphabetWindow::closeLesson()
{
    m_openingDue = false;
    if (m_openingTimer)
        m_openingTimer->stop();
}

bool AlphabetWindow::keyPressed(QKeyEvent* event)
{
    const Qt::KeyboardModifiers held =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held != Qt::NoModifier)
        return LessonWindow::keyPressed(event);
    PictureButton* pressed = nullptr;
    const int key = event->key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        pressed = m_letterButtons[size_t(key - Qt::Key_A)];
    else if (key == Qt::Key_Left)
        pressed = m_backButton;
    else if (key == Qt::Key_Right)
        pressed = m_nextButton;
    else if (key == Qt::Key_Space)
        pressed = m_helpButton;
    else if (key == Qt::Key_Escape)
        pressed = exitButton();
    return keyPressButton(pressed, event);
}

bool AlphabetWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == screen() && event->type() == QEvent::Show && m_openingDue) {
        m_openingDue = false;
        m_openingTimer->start();
    }
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && qobject_cast<PictureButton*>(watched) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        if (event->type() == QEvent::KeyPress)
            keyPressed(static_cast<QKeyEvent*>(event));
        return true;
    }
    return LessonWindow::eventFilter(watched, event);
}

void AlphabetWindow::titlePlace()
{
    const auto fit = [](QLabel* label) {
        const QFontMetrics metrics = label->fontMetrics();
        // A little room for the bold letters' overhang.
        label->resize(metrics.horizontalAdvance(label->text()) + 2, metrics.height());
        return metrics.ascent();
    };
    for (int i = 0; i < 2; ++i) {
        const int offset = i == 0 ? 3 : 0;
        QLabel* title = m_titles[size_t(i)];
        QLabel* rest = m_rests[size_t(i)];
        const int titleAscent = fit(title);
        const int restAscent = fit(rest);
        const int width = title->width() + kRestGap + rest->width();
        const int left = (kScreenWidth - width) / 2 + offset;
        title->move(left, kShadowBaseline + offset - titleAscent);
        // lblTITLE2 starts 4 pixels right of lblTITLE1's right edge.
        rest->move(title->x() + title->width() + kRestGap, kShadowBaseline + offset - restAscent);
    }
}

void AlphabetWindow::TitleSet(const QString& header)
{
    for (QLabel* title : m_titles)
        title->setText(header);
    titlePlace();
}

void AlphabetWindow::RestSet(const QString& rest)
{
    for (QLabel* label : m_rests)
        label->setText(rest);
    titlePlace();
}

void AlphabetWindow::PictureShow(const QString& name)
{
    WordPictureLoad(*m_picture, name);
    m_picture->setAccessibleName(m_book.word());
}

void AlphabetWindow::SentencesSet(const std::array<QString, 3>& sentences)
{
    // The three in the middle of the panel, a gap between them.
    int height = -kSentenceGap;
    for (size_t i = 0; i < sentences.size(); ++i) {
        QLabel* label = m_sentences[i];
        label->setText(sentences[i]);
        label->resize(label->width(), label->heightForWidth(label->width()));
        height += label->height() + kSentenceGap;
    }
    int top = kSentencePanel.top() + (kSentencePanel.height() - height) / 2;
    for (QLabel* label : m_sentences) {
        label->move(label->x(), top);
        top += label->height() + kSentenceGap;
    }
}

void AlphabetWindow::CounterSet(const QString& text)
{
    m_counter->setText(text);
}

bool AlphabetWindow::LetterSay(const QString& letter)
{
    return letterSound(letter);
}

bool AlphabetWindow::WordSay(const QString& word)
{
    m_lastSaid = word;
    return wordSound(word);
}

} // namespace lxp
