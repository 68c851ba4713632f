#include "lessons/pairs/frmlesspair.h"
#include "controls/screenlabel.h"

#include "controls/handcursor.h"
#include "controls/picbtn.h"
#include "dialogs/frmmsgcrect.h"
#include "dialogs/frmmsgplyag.h"
#include "dialogs/frmmsgwrong.h"
#include "shell/log.h"
#include "shell/media.h"
#include "shell/modlxplang.h"
#include "shell/sharedstate.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace lxp {

namespace {

// Colours of a card's frame: blue while in play, yellow once its pair is found.
const QColor kCardInPlay(40, 112, 219);
const QColor kCardMatched(255, 255, 0);

// Where the grid and the other elements sit on the window.
constexpr int kGridLeft = (670 - (3 * frmLESSPAIR::kColumnStep + frmLESSPAIR::kCardWidth)) / 2;
constexpr int kGridTop = 100;

} // namespace

frmLESSPAIR::frmLESSPAIR() : Window(QLatin1String(kName), Kind::Child), m_game(*this) {}

QWidget* frmLESSPAIR::CreateScreen()
{
    auto* screen = new QWidget;
    screen->resize(670, 560);

    // The title and its light blue twin 3 px right of and below it: the black one
    // reads as the shadow.
    const LabelLook title{.pointSize = 36, .bold = true, .alignment = Qt::AlignCenter};
    ScreenLabel(screen, "lblMatchPairs", QStringLiteral("Match Pairs"), {0, -4, 670, 62}, title);
    LabelLook twin = title;
    twin.colour = QColor(194, 216, 252);
    ScreenLabel(screen, "lblMATCH", QStringLiteral("Match Pairs"), {-3, -7, 670, 62}, twin);

    lblCLICKCARDS = ScreenLabel(screen, "lblCLICKCARDS",
                                QStringLiteral("Click two cards below. A matching pair wins."),
                                {20, 62, 630, 34},
                                {.pointSize = 14.25, .alignment = Qt::AlignCenter, .wordWrap = true});

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
            card->installEventFilter(this);
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
            picCARD[size_t(i)] = card;
            imgMATCH[size_t(i)] = picture;
        }
    }

    btnpNEW = new picbtn(screen);
    btnpNEW->setObjectName(QStringLiteral("btnpNEW"));
    btnpEXIT = new picbtn(screen);
    btnpEXIT->setObjectName(QStringLiteral("btnpEXIT"));
    connect(btnpNEW, &picbtn::Click, this, [this] { m_game.DealCards(); });
    connect(btnpEXIT, &picbtn::Click, this, [this] { Unload(); });

    tmrTimer1 = new QTimer(screen);
    tmrTimer1->setObjectName(QStringLiteral("tmrTimer1"));
    tmrTimer1->setInterval(kWordDelayMs);
    connect(tmrTimer1, &QTimer::timeout, this, [this] { m_game.tmrTimer1_Timer(); });
    return screen;
}

void frmLESSPAIR::Form_Load()
{
    ButtonPicturesLoad(*btnpEXIT, QStringLiteral("BTN"));
    ButtonPicturesLoad(*btnpNEW, QStringLiteral("BTN"));
    FormPictureLoad(QStringLiteral("WINDOW"), QStringLiteral("DIALOG"), *screen());

    btnpEXIT->setCAPTION(ScreenTextLoad(23));
    lblCLICKCARDS->setText(ScreenTextLoad(29));
    btnpNEW->setCAPTION(ScreenTextLoad(28));
    for (const auto& card : picCARD)
        card->setToolTip(ScreenTextLoad(30));

    // The buttons sit on the page below the grid, side by side.
    const int buttonTop = kGridTop + 2 * kRowStep + kCardHeight + 16;
    btnpNEW->move(335 - 12 - btnpNEW->width(), buttonTop);
    btnpEXIT->move(335 + 12, buttonTop);

    m_game.DealCards();
}

void frmLESSPAIR::Form_Unload()
{
    // Leaving the game by any route brings the main menu back.
    if (tmrTimer1)
        tmrTimer1->stop();
    // A dialog of the game does not stay above the menu.
    for (const char* dialog : {frmMSGCRECT::kName, frmMSGWRONG::kName, frmMSGPLYAG::kName})
        if (Window* open = windows().find(QLatin1String(dialog)))
            open->Unload();
    if (Window* menu = windows().get(QStringLiteral("frmMAINMENU")))
        menu->Show();
}

bool frmLESSPAIR::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < PairsGame::kCards; ++i) {
            if (watched != picCARD[size_t(i)] || mouse->button() != Qt::LeftButton)
                continue;
            if (picCARD[size_t(i)]->rect().contains(mouse->position().toPoint())) {
                m_game.picCARD_Click(i);
                if (lxpLog().isDebugEnabled() && isLoaded())
                    qCDebug(lxpLog, "pairs: %d found, %d yellow", int(m_game.intPAIRSFOUND), yellowCards());
            }
            return true;
        }
    }
    return Window::eventFilter(watched, event);
}

bool frmLESSPAIR::CardPictureLoad(int card, const QString& resourceName)
{
    const QPixmap picture = PictureFromResource(QStringLiteral("CUSTOM"), resourceName);
    if (picture.isNull() || !imgMATCH[size_t(card)])
        return false;
    imgMATCH[size_t(card)]->setPixmap(picture);
    return true;
}

int frmLESSPAIR::yellowCards() const
{
    int yellow = 0;
    for (const auto& card : picCARD)
        yellow += card && card->palette().color(QPalette::Window) == kCardMatched ? 1 : 0;
    return yellow;
}

QPixmap frmLESSPAIR::cardPicture(int card) const
{
    const QLabel* picture = imgMATCH[size_t(card)];
    return picture ? picture->pixmap() : QPixmap();
}

void frmLESSPAIR::CardPictureCopy(int from, int to)
{
    if (imgMATCH[size_t(to)])
        imgMATCH[size_t(to)]->setPixmap(cardPicture(from));
}

void frmLESSPAIR::CardUpdate(int card, const PairCard& state)
{
    QWidget* face = picCARD[size_t(card)];
    if (!face)
        return;
    QPalette palette = face->palette();
    palette.setColor(QPalette::Window, state.matched ? kCardMatched : kCardInPlay);
    face->setPalette(palette);
    // A card never greys out: a turned card simply stops taking clicks.
    face->setCursor(HandCursor());
    imgMATCH[size_t(card)]->setVisible(state.pictureShown);
}

bool frmLESSPAIR::CardTurnSound()
{
    const OpenGuard open = guard();
    ClickPlay();
    return bool(open);
}

void frmLESSPAIR::WordSay(const QString& word)
{
    WordPlay(word);
}

bool frmLESSPAIR::WrongAnswerShow(int cardA, int cardB, const QString& sentence)
{
    const OpenGuard open = guard();
    auto* dialog = windows().get<frmMSGWRONG>();
    if (!dialog || !dialog->PrepareFor(open))
        return bool(open);
    dialog->lblWordWasfrmMSGWRONG()->setText(sentence);
    dialog->imgPICTURE()->setVisible(false);
    dialog->imgPICTUREA()->setVisible(true);
    dialog->imgPICTUREB()->setVisible(true);
    dialog->imgPICTUREA()->setPixmap(cardPicture(cardA));
    dialog->imgPICTUREB()->setPixmap(cardPicture(cardB));
    dialog->ShowModal();
    return bool(open);
}

bool frmLESSPAIR::CorrectAnswerPrepare(int cardB, const QString& sentence)
{
    const OpenGuard open = guard();
    auto* dialog = windows().get<frmMSGCRECT>();
    if (!dialog)
        return bool(open);
    dialog->Unload();
    if (!dialog->PrepareFor(open))
        return bool(open);
    dialog->imgPICTURE()->setPixmap(cardPicture(cardB));
    dialog->lblWordWas()->setText(sentence);
    return true;
}

bool frmLESSPAIR::CorrectAnswerShow()
{
    const OpenGuard open = guard();
    auto* dialog = windows().get<frmMSGCRECT>();
    if (dialog && dialog->isLoaded()) {
        dialog->imgPICTURE()->setVisible(true);
        dialog->ShowModal();
    }
    return bool(open);
}

std::optional<bool> frmLESSPAIR::PlayAgainAsk()
{
    const OpenGuard open = guard();
    auto* dialog = windows().get<frmMSGPLYAG>();
    if (dialog && dialog->PrepareFor(open))
        dialog->ShowModal();
    if (!open)
        return std::nullopt;
    const bool again = shared().blnPLAYAGAIN;
    if (!again && dialog)
        dialog->Unload();
    if (again)
        if (auto* correct = windows().get<frmMSGCRECT>())
            correct->Unload();
    return again;
}

void frmLESSPAIR::WordTimerStart()
{
    if (tmrTimer1)
        tmrTimer1->start();
}

void frmLESSPAIR::WordTimerStop()
{
    if (tmrTimer1)
        tmrTimer1->stop();
}

void frmLESSPAIR::LessonClose()
{
    Unload();
}

} // namespace lxp
