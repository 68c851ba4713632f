// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/pairs/pairswindow.h"

#include "core/log.h"
#include "core/screentexts.h"
#include "core/seam.h"
#include "core/sharedstate.h"
#include "ui/handcursor.h"
#include "ui/keyboard.h"
#include "ui/media.h"
#include "ui/picturebutton.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace lxp {

namespace {

// Colours of a card's frame: blue while in play, yellow once its pair is found.
const QColor kCardInPlay(40, 112, 219);
const QColor kCardMatched(255, 255, 0);

// A playing card as assistive technology sees it: a button named by its picture's
// word once face up, "Face-down card" before, that can be pressed (turned).
class CardAccessible : public QAccessibleWidget {
public:
    explicit CardAccessible(QWidget* card) : QAccessibleWidget(card, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press);
    }
};

QAccessibleInterface* cardAccessibleFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property("lxpCard").toBool())
        return new CardAccessible(widget);
    return nullptr;
}

// "KiwiFruit" as the words are said: "Kiwi Fruit".
QString spokenWord(const QString& word)
{
    QString spoken;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (i > 0 && word[i].isUpper() && word[i - 1].isLower())
            spoken += QLatin1Char(' ');
        spoken += word[i];
    }
    return spoken;
}

// Where the grid and the other elements sit on the window.
constexpr int kGridLeft = (670 - (3 * PairsWindow::kColumnStep + PairsWindow::kCardWidth)) / 2;
constexpr int kGridTop = 100;

} // namespace

PairsWindow::PairsWindow() : LessonWindow(QLatin1String(kName)), m_game(*this)
{
    static const bool accessible = [] {
        QAccessible::installFactory(cardAccessibleFactory);
        return true;
    }();
    Q_UNUSED(accessible);
}

void PairsWindow::buildScreen(QWidget* screen)
{
    titleMake(screen, "lblMatchPairs", "lblMATCH", QStringLiteral("Match Pairs"), {0, -4, 670, 62},
              {.pointSize = 36, .bold = true, .alignment = Qt::AlignCenter}, QColor(194, 216, 252));

    m_instruction = ScreenLabel(
        screen, "lblCLICKCARDS", QStringLiteral("Click two cards below. A matching pair wins."),
        {20, 62, 630, 34}, {.pointSize = 14.25, .alignment = Qt::AlignCenter, .wordWrap = true});

    QFont backFont(QStringLiteral("Comic Sans MS"));
    backFont.setPixelSize(72);
    backFont.setBold(true);
    for (int row = 0; row < int(kGrid.size()); ++row) {
        for (int column = 0; column < int(kGrid[0].size()); ++column) {
            const int i = kGrid[size_t(row)][size_t(column)];
            auto* card = new QWidget(screen);
            card->setObjectName(QStringLiteral("picCARD_%1").arg(i));
            card->setGeometry(kGridLeft + column * kColumnStep, kGridTop + row * kRowStep,
                              kCardWidth, kCardHeight);
            card->setAutoFillBackground(true);
            card->setFocusPolicy(Qt::StrongFocus);
            card->setProperty("lxpCard", true);
            card->installEventFilter(this);
            FocusRingAttach(card);
            // The back of a face-down card: a big soft question mark on the blue.
            auto* back = new QLabel(QStringLiteral("?"), card);
            back->setObjectName(QStringLiteral("lblBACK_%1").arg(i));
            back->setGeometry(0, 0, kCardWidth, kCardHeight);
            back->setAlignment(Qt::AlignCenter);
            back->setFont(backFont);
            back->setStyleSheet(QStringLiteral("color: rgba(255, 255, 255, 110);"));
            back->setAttribute(Qt::WA_TransparentForMouseEvents);
            auto* picture = new QLabel(card);
            picture->setObjectName(QStringLiteral("imgMATCH_%1").arg(i));
            picture->setGeometry(kPictureInset, kPictureInset, kPictureWidth, kPictureHeight);
            picture->setScaledContents(true);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
            picture->hide();
            m_cards[size_t(i)] = card;
            m_cardPictures[size_t(i)] = picture;
        }
    }

    m_newGameButton = new PictureButton(screen);
    m_newGameButton->setObjectName(QStringLiteral("btnpNEW"));
    connect(m_newGameButton, &PictureButton::Click, this, [this] { m_game.DealCards(); });

    m_wordTimer = new QTimer(screen);
    m_wordTimer->setObjectName(QStringLiteral("tmrTimer1"));
    m_wordTimer->setInterval(kWordDelayMs);
    connect(m_wordTimer, &QTimer::timeout, this, [this] { m_game.WordTimerFired(); });
}

void PairsWindow::loadLesson()
{
    ButtonPicturesLoad(*m_newGameButton, QStringLiteral("BTN"));
    m_instruction->setText(ScreenTextLoad(29));
    m_newGameButton->setCaption(ScreenTextLoad(28));
    for (const auto& card : m_cards) {
        card->setToolTip(ScreenTextLoad(30));
        card->setAccessibleDescription(ScreenTextLoad(30));
    }

    // The buttons sit on the page below the grid, side by side.
    const int buttonTop = kGridTop + 2 * kRowStep + kCardHeight + 16;
    m_newGameButton->move(335 - 12 - m_newGameButton->width(), buttonTop);
    exitButton()->move(335 + 12, buttonTop);

    m_game.setContentVariant(shared().contentVariant);
    m_game.DealCards();
}

void PairsWindow::closeLesson()
{
    if (m_wordTimer)
        m_wordTimer->stop();
}

bool PairsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        cardKeyPressed(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < PairsGame::kCards; ++i) {
            if (watched != m_cards[size_t(i)] || mouse->button() != Qt::LeftButton)
                continue;
            if (m_cards[size_t(i)]->rect().contains(mouse->position().toPoint())) {
                m_game.CardClick(i);
                if (lxpLog().isDebugEnabled() && isOpen())
                    qCDebug(lxpLog, "pairs: %d found, %d yellow", int(m_game.pairsFound()),
                            yellowCards());
            }
            return true;
        }
    }
    return LessonWindow::eventFilter(watched, event);
}

// On a card: Space or Return turns it, the arrow keys go to the next card that way.
bool PairsWindow::cardKeyPressed(QObject* watched, QKeyEvent* key)
{
    for (int row = 0; row < int(kGrid.size()); ++row) {
        for (int column = 0; column < int(kGrid[0].size()); ++column) {
            const int i = kGrid[size_t(row)][size_t(column)];
            if (watched != m_cards[size_t(i)])
                continue;
            switch (key->key()) {
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (!key->isAutoRepeat())
                    m_game.CardClick(i);
                return true;
            case Qt::Key_Left:
                column = qMax(column - 1, 0);
                break;
            case Qt::Key_Right:
                column = qMin(column + 1, int(kGrid[0].size()) - 1);
                break;
            case Qt::Key_Up:
                row = qMax(row - 1, 0);
                break;
            case Qt::Key_Down:
                row = qMin(row + 1, int(kGrid.size()) - 1);
                break;
            default:
                return false;
            }
            m_cards[size_t(kGrid[size_t(row)][size_t(column)])]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

int PairsWindow::yellowCards() const
{
    int yellow = 0;
    for (const auto& card : m_cards)
        yellow += card && card->palette().color(QPalette::Window) == kCardMatched ? 1 : 0;
    return yellow;
}

bool PairsWindow::CardPictureLoad(int card, const QString& resourceName)
{
    const QPixmap picture = PictureFromResource(QStringLiteral("CUSTOM"), resourceName);
    if (picture.isNull() || !m_cardPictures[size_t(card)])
        return false;
    m_cardPictures[size_t(card)]->setPixmap(picture);
    return true;
}

QPixmap PairsWindow::cardPicture(int card) const
{
    const QLabel* picture = m_cardPictures[size_t(card)];
    return picture ? picture->pixmap() : QPixmap();
}

void PairsWindow::CardPictureCopy(int from, int to)
{
    if (m_cardPictures[size_t(to)])
        m_cardPictures[size_t(to)]->setPixmap(cardPicture(from));
}

void PairsWindow::CardUpdate(int card, const PairCard& state)
{
    QWidget* face = m_cards[size_t(card)];
    if (!face)
        return;
    QPalette palette = face->palette();
    palette.setColor(QPalette::Window, state.matched ? kCardMatched : kCardInPlay);
    face->setPalette(palette);
    // A card never greys out: a turned card simply stops taking clicks, and shows the
    // plain pointer.
    if (state.enabled)
        face->setCursor(HandCursor());
    else
        face->unsetCursor();
    m_cardPictures[size_t(card)]->setVisible(state.pictureShown);
    face->setAccessibleName(state.pictureShown ? spokenWord(state.word)
                                               : QStringLiteral("Face-down card"));
}

double PairsWindow::RandomDraw()
{
    return seam().random();
}

bool PairsWindow::CardTurnSound()
{
    return effectSound(QStringLiteral("CLICK"));
}

void PairsWindow::WordSay(const QString& word)
{
    WordPlay(word);
}

bool PairsWindow::WrongAnswerShow(int cardA, int cardB, const QString& sentence)
{
    return wrongAnswerShow(sentence, cardPicture(cardA), cardPicture(cardB));
}

bool PairsWindow::CorrectAnswerPrepare(int cardB, const QString& sentence)
{
    return correctAnswerPrepare(sentence, cardPicture(cardB));
}

bool PairsWindow::CorrectAnswerShow()
{
    return correctAnswerShow();
}

std::optional<bool> PairsWindow::PlayAgainAsk()
{
    return playAgainAsk();
}

void PairsWindow::WordTimerStart()
{
    if (m_wordTimer)
        m_wordTimer->start();
}

void PairsWindow::WordTimerStop()
{
    if (m_wordTimer)
        m_wordTimer->stop();
}

void PairsWindow::LessonClose()
{
    close();
}

} // namespace lxp
