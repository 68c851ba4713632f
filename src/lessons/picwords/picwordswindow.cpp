// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/picwords/picwordswindow.h"

#include "core/log.h"
#include "core/screentexts.h"
#include "core/seam.h"
#include "core/sharedstate.h"
#include "ui/inputhold.h"
#include "ui/media.h"
#include "ui/picturebutton.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace lxp {

namespace {

const QString kPictures = QStringLiteral("screens/frmLESSPCWD");

// Where the elements sit on the page.
constexpr int kPictureLeft = (670 - PicturesAndWordsWindow::kPictureWidth) / 2;
constexpr int kPictureTop = 96;
constexpr int kPictureBottom = kPictureTop + PicturesAndWordsWindow::kPictureHeight;
constexpr int kLetterStep = PicturesAndWordsWindow::kLetterSize + 6;
constexpr int kLettersLeft = (670 - (12 * kLetterStep + PicturesAndWordsWindow::kLetterSize)) / 2;
constexpr int kLettersTop = kPictureBottom + 56;
constexpr int kButtonsTop = kLettersTop + kLetterStep + PicturesAndWordsWindow::kLetterSize + 18;

// The hidden word as a screen reader says it: the letters shown one by one, each run of
// stars as a count ("I, one letter hidden, e, space, C, 4 letters hidden").
QString hiddenWordSpoken(const QString& hidden)
{
    QStringList parts;
    for (qsizetype i = 0; i < hidden.size();) {
        qsizetype run = 0;
        while (i + run < hidden.size() && hidden[i + run] == u'*')
            ++run;
        if (run > 0) {
            parts << (run == 1 ? ScreenTextLoad(53) : ScreenTextLoad(54).arg(run));
            i += run;
            continue;
        }
        parts << (hidden[i] == u' ' ? ScreenTextLoad(55) : QString(hidden[i]));
        ++i;
    }
    return parts.join(QStringLiteral(", "));
}
// The speaker stands left of the photograph, the meter at the right edge of the page,
// where the feedback dialogs leave it in sight.
constexpr int kMeterLeft = 670 - 32 - PicturesAndWordsWindow::kMeterWidth;
constexpr int kMeterTop =
    kPictureTop +
    (PicturesAndWordsWindow::kPictureHeight - PicturesAndWordsWindow::kMeterHeight) / 2;

} // namespace

PicturesAndWordsWindow::PicturesAndWordsWindow() : LessonWindow(QLatin1String(kName)), m_game(*this)
{
}

void PicturesAndWordsWindow::buildScreen(QWidget* screen)
{
    titleMake(screen, "lblPicturesAndWords_1", "lblPicturesAndWords_0",
              QStringLiteral("Pictures and Words"), {0, -4, 670, 62},
              {.pointSize = 36, .bold = true, .alignment = Qt::AlignCenter}, QColor(194, 216, 252));
    m_instruction = ScreenLabel(
        screen, "lblTOPLAY", QStringLiteral("To play click on the letters to match the photo."),
        {20, 62, 630, 32}, {.pointSize = 14.25, .alignment = Qt::AlignCenter, .wordWrap = true});

    // The photograph in a blue mount.
    auto* mount = new QFrame(screen);
    mount->setObjectName(QStringLiteral("shpPICTUREFRAME"));
    mount->setGeometry(kPictureLeft - 4, kPictureTop - 4, kPictureWidth + 8, kPictureHeight + 8);
    mount->setStyleSheet(QStringLiteral(
        "QFrame { background: white; border: 3px solid #4487C6; border-radius: 6px; }"));
    m_picture = new QLabel(screen);
    m_picture->setObjectName(QStringLiteral("picMAIN"));
    m_picture->setGeometry(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    m_picture->setScaledContents(true);

    m_speakerButton = new PictureButton(screen);
    m_speakerButton->setObjectName(QStringLiteral("btnpBtnHELP"));
    m_speakerButton->move(kPictureLeft - 40 - 30, kPictureTop + kPictureHeight / 2 - 20);
    connect(m_speakerButton, &PictureButton::Click, this, [this] { m_game.WordHear(); });

    // The meter: the colour of the wrong guesses shows above a black cover that moves
    // down a tenth of the way at every wrong letter.
    auto* rim = new QFrame(screen);
    rim->setObjectName(QStringLiteral("shpSCALEFRAME"));
    rim->setGeometry(kMeterLeft - 3, kMeterTop - 3, kMeterWidth + 6, kMeterHeight + 6);
    rim->setStyleSheet(QStringLiteral("QFrame { background: #404040; border-radius: 3px; }"));
    m_scale = new QWidget(screen);
    m_scale->setObjectName(QStringLiteral("picSCALE"));
    m_scale->setGeometry(kMeterLeft, kMeterTop, kMeterWidth, kMeterHeight);
    m_scale->setAutoFillBackground(true);
    m_level = new QFrame(m_scale);
    m_level->setObjectName(QStringLiteral("shpLEVEL"));
    // One pixel higher than the inside, so that at the start of a word it covers all of it.
    m_level->setGeometry(-2, PicturesAndWordsGame::kCoverAtStart, kMeterWidth + 4,
                         kMeterHeight + 1);
    m_level->setStyleSheet(
        QStringLiteral("QFrame { background: black; border: 2px solid #555555; }"));

    m_hiddenWord =
        ScreenLabel(screen, "lblWORDHIDDEN", QStringLiteral("Yellow Balloons"),
                    {0, kPictureBottom + 8, 670, 44},
                    {.pointSize = 24, .bold = true, .colour = kInk, .alignment = Qt::AlignCenter});
    QFont spaced = m_hiddenWord->font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 8);
    m_hiddenWord->setFont(spaced);

    for (int i = 0; i < PicturesAndWordsGame::kLetters; ++i) {
        auto* letter = new PictureButton(screen);
        letter->setObjectName(QStringLiteral("btnpLETTERS_%1").arg(i));
        letter->setAccessibleName(QString(QChar(u'A' + i)));
        letter->move(kLettersLeft + (i % 13) * kLetterStep, kLettersTop + (i / 13) * kLetterStep);
        connect(letter, &PictureButton::Click, this, [this, i] { letterPressed(i); });
        m_letters[size_t(i)] = letter;
    }

    m_newGameButton = new PictureButton(screen);
    m_newGameButton->setObjectName(QStringLiteral("btnpNEW"));
    m_newGameButton->move(335 - 12 - PictureButton::kDesignWidth, kButtonsTop);
    connect(m_newGameButton, &PictureButton::Click, this, [this] { m_game.NewGame(); });
    exitButton()->move(335 + 12, kButtonsTop);

    // Holds the focus for the page when no button has it: it draws nothing (the page
    // itself would repaint whole at every change of focus), and keys go on to the page.
    m_pageFocus = new QWidget(screen);
    m_pageFocus->setObjectName(QStringLiteral("pageFocus"));
    m_pageFocus->setGeometry(0, 0, 0, 0);

    m_wordTimer = new QTimer(screen);
    m_wordTimer->setObjectName(QStringLiteral("tmrTimer1"));
    m_wordTimer->setInterval(kWordDelayMs);
    connect(m_wordTimer, &QTimer::timeout, this, [this] { m_game.WordTimerFired(); });
}

void PicturesAndWordsWindow::loadLesson()
{
    m_newGameButton->setCaption(ScreenTextLoad(28));
    m_speakerButton->setTipText(ScreenTextLoad(36));
    ButtonPicturesLoad(*m_speakerButton, QStringLiteral("BTNSPEAKER"));
    m_speakerButton->setPictureDisabled(PictureFromResource(QStringLiteral("screens/common"),
                                                            QStringLiteral("BTNSPEAKERDISABLED")));
    m_instruction->setText(ScreenTextLoad(35));
    m_hiddenWord->setToolTip(ScreenTextLoad(34));
    ButtonPicturesLoad(*m_newGameButton, QStringLiteral("BTN"));
    for (int i = 0; i < PicturesAndWordsGame::kLetters; ++i) {
        const QString face = QStringLiteral("btnpLETTER_%1_").arg(QChar(u'A' + i));
        PictureButton& letter = *m_letters[size_t(i)];
        letter.setPictureHLight(PictureFromResource(kPictures, face + "HL"));
        letter.setPictureNormal(PictureFromResource(kPictures, face + "NORMAL"));
        letter.setPicturePressed(PictureFromResource(kPictures, face + "PRESSED"));
        letter.setPictureDisabled(PictureFromResource(kPictures, face + "DISABLED"));
    }
    m_game.Begin(shared().contentVariant);
}

void PicturesAndWordsWindow::closeLesson()
{
    if (m_wordTimer)
        m_wordTimer->stop();
}

bool PicturesAndWordsWindow::keyPressed(QKeyEvent* event)
{
    const int key = event->key();
    if (key < Qt::Key_A || key > Qt::Key_Z ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return LessonWindow::keyPressed(event);
    // A letter key presses its button as a click does; a button pressed before stays
    // as it is.
    if (PictureButton* letter = m_letters[size_t(key - Qt::Key_A)]) {
        m_keyedLetter = key - Qt::Key_A;
        letter->animateClick();
        m_keyedLetter = -1;
    }
    return true;
}

void PicturesAndWordsWindow::letterPressed(int letter)
{
    // A click or key held while a sound played comes only now: it counts for the word
    // that was on the screen when it was made.
    const quint64 forWord = InputHold::inputMadeAt() < m_shownSince ? m_shownWord - 1 : m_shownWord;
    m_game.LetterPress(letter, forWord);
    if (lxpLog().isDebugEnabled() && isOpen())
        qCDebug(lxpLog, "picwords: word %llu, %d wrong", qulonglong(m_game.wordNumber()),
                int(m_game.wrongGuesses()));
}

double PicturesAndWordsWindow::RandomDraw()
{
    return seam().random();
}

void PicturesAndWordsWindow::WordPictureShow(const QString& resourceName)
{
    if (resourceName.isEmpty())
        m_picture->clear();
    else
        WordPictureLoad(*m_picture, resourceName);
    m_picture->setAccessibleName(resourceName.isEmpty() ? QString() : m_game.word());
}

void PicturesAndWordsWindow::HiddenWordShow(const QString& hidden)
{
    if (m_game.wordNumber() != m_shownWord) {
        m_shownWord = m_game.wordNumber();
        m_shownSince = std::chrono::steady_clock::now();
        qCDebug(lxpLog, "picwords: word %llu is \"%s\"", qulonglong(m_shownWord),
                qPrintable(m_game.word()));
    }
    m_hiddenWord->setText(hidden);
    m_hiddenWord->setAccessibleName(hiddenWordSpoken(hidden));
}

void PicturesAndWordsWindow::LetterButtonEnable(int letter, bool enabled)
{
    PictureButton& button = *m_letters[size_t(letter)];
    if (!enabled && letter == m_keyedLetter) {
        // The button a key pressed shows its pressed face a moment, as under a click,
        // before it greys out (unless a new word has come meanwhile).
        QTimer::singleShot(kKeyFaceMs, &button, [this, letter] {
            m_letters[size_t(letter)]->setEnabled(m_game.letterEnabled(letter));
        });
        return;
    }
    // A letter clicked with the mouse gives its focus back to the page rather than on
    // to the next letter, which would show the focus ring; after keyboard use the ring
    // moves on.
    if (!enabled && button.hasFocus() && !button.focusRingShown())
        m_pageFocus->setFocus(Qt::OtherFocusReason);
    button.setEnabled(enabled);
}

int PicturesAndWordsWindow::MeterInnerHeight() const
{
    return m_scale->height();
}

void PicturesAndWordsWindow::MeterShow(int coverTop, const QColor& colour)
{
    QPalette palette = m_scale->palette();
    palette.setColor(QPalette::Window, colour);
    m_scale->setPalette(palette);
    m_level->move(m_level->x(), coverTop);
}

bool PicturesAndWordsWindow::GoodLetterSound()
{
    return effectSound(QStringLiteral("BUTTON"));
}

bool PicturesAndWordsWindow::WordSay(const QString& word)
{
    return wordSound(word);
}

QPixmap PicturesAndWordsWindow::picture() const
{
    return m_picture ? m_picture->pixmap() : QPixmap();
}

bool PicturesAndWordsWindow::CorrectAnswerPrepare(const QString& sentence)
{
    return correctAnswerPrepare(sentence, picture());
}

bool PicturesAndWordsWindow::CorrectAnswerShow()
{
    return correctAnswerShow();
}

bool PicturesAndWordsWindow::WrongAnswerShow(const QString& sentence)
{
    return wrongAnswerShow(sentence, picture());
}

void PicturesAndWordsWindow::WordTimerStart()
{
    if (m_wordTimer)
        m_wordTimer->start();
}

void PicturesAndWordsWindow::WordTimerStop()
{
    if (m_wordTimer)
        m_wordTimer->stop();
}

} // namespace lxp
