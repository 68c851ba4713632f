// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/words/wordsquizwindow.h"

#include "core/log.h"
#include "core/screentexts.h"
#include "core/seam.h"
#include "core/sharedstate.h"
#include "lessons/words/wordsmenuwindow.h"
#include "ui/media.h"
#include "ui/picturebutton.h"
#include "ui/screenlabel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace lxp {

namespace {

// The gauge: a blue box with a white cover that moves up a tenth of the box for every
// right answer in a row.
const QColor kGaugeBlue(40, 112, 219);
const QRect kScalePlace(527, 104, 32, WordsQuizWindow::kPictureHeight);

const QRect kPicturePlace(185, 104, WordsQuizWindow::kPictureWidth,
                          WordsQuizWindow::kPictureHeight);
constexpr int kFrameWidth = 6;
constexpr int kChoicesTop = 386;
constexpr int kChoiceGap = 6;
constexpr int kButtonsTop = 474;

// A wide button face made `width` pixels wide by taking out a strip from its middle,
// so that the rounded ends stay as drawn.
QPixmap narrowFace(const QPixmap& face, int width)
{
    if (face.isNull() || face.width() <= width)
        return face;
    QPixmap narrow(width, face.height());
    narrow.fill(Qt::transparent);
    QPainter painter(&narrow);
    const int left = width / 2;
    const int right = width - left;
    painter.drawPixmap(0, 0, face, 0, 0, left, face.height());
    painter.drawPixmap(left, 0, face, face.width() - right, 0, right, face.height());
    return narrow;
}

} // namespace

WordsQuizWindow::WordsQuizWindow()
    : LessonWindow(QLatin1String(kName), QLatin1String(WordsMenuWindow::kName)), m_quiz(*this)
{
}

void WordsQuizWindow::buildScreen(QWidget* screen)
{
    titleMake(screen, "lblWORDS_0", "lblWORDS_1", shared().wordsCaption, {0, -4, 670, 62},
              {.pointSize = 32, .bold = true, .alignment = Qt::AlignCenter}, QColor(194, 216, 252));
    m_instruction = ScreenLabel(screen, "lblWORDSCLICK", QString(), {20, 62, 630, 36},
                                {.pointSize = 14.25, .colour = kInk, .alignment = Qt::AlignCenter});

    ScreenDecoration(screen, "shpShape1",
                     kPicturePlace.adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth),
                     QStringLiteral("QFrame { background: #FFFFFF; border: 3px solid #4487C6;"
                                    " border-radius: 10px; }"));
    m_picture = new QLabel(screen);
    m_picture->setObjectName(QStringLiteral("picMAINWINDOW"));
    m_picture->setGeometry(kPicturePlace);
    m_picture->setScaledContents(true);

    m_position = ScreenLabel(screen, "lbl1Of9frmLESSWRDS", QString(),
                             {kPicturePlace.left(), kPicturePlace.bottom() + 10, kPictureWidth, 30},
                             {.pointSize = 13, .colour = kInk, .alignment = Qt::AlignCenter});

    m_help = new PictureButton(screen);
    m_help->setObjectName(QStringLiteral("btnpHELP"));
    m_help->move(kPicturePlace.left() - kFrameWidth - 12 - 40, kPicturePlace.bottom() - 38);
    connect(m_help, &PictureButton::Click, this, [this] { static_cast<void>(m_quiz.WordSay()); });

    // The gauge in a frame of its own to the right of the photograph.
    ScreenDecoration(screen, "shpShape3", kScalePlace.adjusted(-5, -5, 5, 5),
                     QStringLiteral("QFrame { background: #FFFFFF; border: 3px solid #4487C6;"
                                    " border-radius: 8px; }"));
    m_scale = new QWidget(screen);
    m_scale->setObjectName(QStringLiteral("picSCALE"));
    m_scale->setGeometry(kScalePlace);
    m_scale->setAutoFillBackground(true);
    QPalette blue = m_scale->palette();
    blue.setColor(QPalette::Window, kGaugeBlue);
    m_scale->setPalette(blue);
    m_level = new QWidget(m_scale);
    m_level->setObjectName(QStringLiteral("shpLEVEL"));
    m_level->setGeometry(0, 0, kScalePlace.width(), kScalePlace.height());
    m_level->setAutoFillBackground(true);
    QPalette white = m_level->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_level->setPalette(white);
    m_level->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The five choices in a row on a band of their own.
    const int rowWidth =
        WordsQuiz::kChoices * kChoiceWidth + (WordsQuiz::kChoices - 1) * kChoiceGap;
    const int rowLeft = (670 - rowWidth) / 2;
    ScreenDecoration(
        screen, "shpShape2", {rowLeft - 8, kChoicesTop - 9, rowWidth + 16, 57},
        QStringLiteral("QFrame { background: #FFF6E2; border: 2px solid rgba(68, 135, 198, 110);"
                       " border-radius: 14px; }"));
    for (int b = 0; b < WordsQuiz::kChoices; ++b) {
        auto* choice = new PictureButton(screen);
        choice->setObjectName(QStringLiteral("btnpPICWORD1_%1").arg(b));
        choice->move(rowLeft + b * (kChoiceWidth + kChoiceGap), kChoicesTop);
        connect(choice, &PictureButton::Click, this, [this, b] {
            m_quiz.ChoiceClick(b);
            stateLog();
        });
        m_choices[size_t(b)] = choice;
    }

    m_next = new PictureButton(screen);
    m_next->setObjectName(QStringLiteral("btnpNEXT"));
    m_next->move(335 - 12 - PictureButton::kDesignWidth, kButtonsTop);
    connect(m_next, &PictureButton::Click, this, [this] {
        m_quiz.WordNext();
        stateLog();
    });
    exitButton()->move(335 + 12, kButtonsTop);

    // Space says the word even while a button has the focus (which would take it as
    // a press).
    for (PictureButton* button : screen->findChildren<PictureButton*>())
        button->installEventFilter(this);

    m_wordTimer = new QTimer(screen);
    m_wordTimer->setObjectName(QStringLiteral("tmrTimer1"));
    m_wordTimer->setInterval(kWordDelayMs);
    connect(m_wordTimer, &QTimer::timeout, this,
            [this] { static_cast<void>(m_quiz.WordTimerFired()); });
}

void WordsQuizWindow::loadLesson()
{
    ButtonPicturesLoad(*m_help, QStringLiteral("BTNSPEAKER"));
    m_help->setPictureDisabled(PictureFromResource(QStringLiteral("screens/common"),
                                                   QStringLiteral("BTNSPEAKERDISABLED")));
    ButtonPicturesLoad(*m_next, QStringLiteral("BTN"));
    static constexpr std::pair<const char*, const char*> kFaces[] = {
        {"HL", "PictureHLight"},
        {"NORMAL", "PictureNormal"},
        {"PRESSED", "PicturePressed"},
        {"DISABLED", "PictureDisabled"}};
    for (const auto& [suffix, property] : kFaces) {
        const QPixmap face = narrowFace(
            PictureFromResource(QStringLiteral("BITMAP"), QStringLiteral("BTN") + suffix),
            kChoiceWidth);
        if (!face.isNull())
            for (const auto& choice : m_choices)
                choice->setProperty(property, face);
    }

    m_instruction->setText(ScreenTextLoad(19));
    m_position->setToolTip(ScreenTextLoad(27));
    m_help->setTipText(ScreenTextLoad(36));
    m_next->setCaption(ScreenTextLoad(26));
    for (const auto& choice : m_choices)
        choice->setCaption(ScreenTextLoad(20));

    m_quiz.Start(shared().category, shared().contentVariant);
    // A category of one word has no other to ask, and one without words nothing to say.
    m_next->setEnabled(m_quiz.wordCount() > 1);
    m_help->setEnabled(!m_quiz.word().isEmpty());
    stateLog();
}

void WordsQuizWindow::stateLog()
{
    if (!lxpLog().isDebugEnabled() || !isOpen() || !m_scale)
        return;
    int right = 0;
    while (right < WordsQuiz::kChoices && m_quiz.choice(right) != m_quiz.word())
        ++right;
    qCDebug(lxpLog, "words: \"%s\" on button %d, score %d, gauge tooltip %s",
            qUtf8Printable(m_quiz.word()), right + 1, int(m_quiz.score()),
            qUtf8Printable(m_scale->toolTip()));
}

void WordsQuizWindow::closeLesson()
{
    if (m_wordTimer)
        m_wordTimer->stop();
}

bool WordsQuizWindow::keyPressed(QKeyEvent* event)
{
    const int key = event->key();
    PictureButton* pressed = nullptr;
    if (key >= Qt::Key_1 && key < Qt::Key_1 + WordsQuiz::kChoices)
        pressed = m_choices[size_t(key - Qt::Key_1)];
    else if (key == Qt::Key_N || key == Qt::Key_Right)
        pressed = m_next;
    else if (key == Qt::Key_Space)
        pressed = m_help;
    else
        return LessonWindow::keyPressed(event);
    return keyPressButton(pressed, event);
}

bool WordsQuizWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        qobject_cast<PictureButton*>(watched)) {
        if (type == QEvent::KeyPress)
            keyPressed(static_cast<QKeyEvent*>(event));
        return true;
    }
    return LessonWindow::eventFilter(watched, event);
}

QPixmap WordsQuizWindow::picture() const
{
    return m_picture ? m_picture->pixmap() : QPixmap();
}

double WordsQuizWindow::RandomDraw()
{
    return seam().random();
}

void WordsQuizWindow::WordPictureShow(const QString& resourceName)
{
    if (!m_picture)
        return;
    // A word without a photograph shows none rather than the last word's.
    m_picture->clear();
    if (!resourceName.isEmpty())
        WordPictureLoad(*m_picture, resourceName);
    m_picture->setAccessibleName(resourceName.isEmpty() ? QString() : m_quiz.word());
}

void WordsQuizWindow::PositionShow(qint32 n, qint32 count)
{
    if (m_position)
        m_position->setText(count > 0 ? QStringLiteral("%1 of %2").arg(n).arg(count) : QString());
}

void WordsQuizWindow::ChoiceShow(int button, const QString& word)
{
    PictureButton* choice = m_choices[size_t(button)];
    if (!choice)
        return;
    choice->setCaption(word);
    choice->setEnabled(!word.isEmpty());
}

void WordsQuizWindow::GaugeShow(qint32 score)
{
    if (!m_scale || !m_level)
        return;
    m_scale->setToolTip(QStringLiteral("%1/10").arg(score));
    const int step = qRound(m_scale->height() / 10.0);
    m_level->move(0, -(score * step));
}

bool WordsQuizWindow::CorrectAnswerPrepare(const QString& sentence)
{
    return correctAnswerPrepare(sentence, picture());
}

bool WordsQuizWindow::CorrectAnswerShow()
{
    return correctAnswerShow();
}

bool WordsQuizWindow::TenInARowShow()
{
    return tenInARowShow();
}

bool WordsQuizWindow::WrongAnswerShow(const QString& sentence)
{
    return wrongAnswerShow(sentence, picture());
}

bool WordsQuizWindow::WordSay(const QString& word)
{
    return wordSound(word);
}

void WordsQuizWindow::WordTimerStart()
{
    if (m_wordTimer)
        m_wordTimer->start();
}

void WordsQuizWindow::WordTimerStop()
{
    if (m_wordTimer)
        m_wordTimer->stop();
}

} // namespace lxp
