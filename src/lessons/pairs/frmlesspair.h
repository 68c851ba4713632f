#pragma once

#include "lessons/pairs/pairsgame.h"
#include "shell/window.h"

#include <QPointer>
#include <array>

class QLabel;
class QTimer;
class QWidget;

namespace lxp {

class picbtn;

// The matching pairs game's window: twelve cards on a grid of four columns and three
// rows, the title, the instruction and the new-game and exit buttons. The rules live
// in PairsGame; this window shows what the game asks.
class frmLESSPAIR : public Window, private PairsScreen {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLESSPAIR";

    // Card geometry in pixels (15 twips a pixel): a card is 2085 x 1815 twips, the
    // columns 2160 twips apart, the rows 1890; the picture lies 45 twips inside.
    static constexpr int kCardWidth = 139;
    static constexpr int kCardHeight = 121;
    static constexpr int kColumnStep = 144;
    static constexpr int kRowStep = 126;
    static constexpr int kPictureInset = 3;
    static constexpr int kPictureWidth = 130;
    static constexpr int kPictureHeight = 112;
    static constexpr int kWordDelayMs = 200;

    // Which card lies at each place of the grid, rows from the top, columns from left.
    static constexpr std::array<std::array<int, 4>, 3> kGrid = {{
        {7, 1, 9, 3},
        {11, 10, 0, 6},
        {2, 8, 4, 5},
    }};

    frmLESSPAIR();

    const PairsGame& game() const { return m_game; }
    PairsGame& game() { return m_game; }

protected:
    QWidget* CreateScreen() override;
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the game asks of the screen.
    bool CardPictureLoad(int card, const QString& resourceName) override;
    void CardPictureCopy(int from, int to) override;
    void CardUpdate(int card, const PairCard& state) override;
    bool CardTurnSound() override;
    void WordSay(const QString& word) override;
    bool WrongAnswerShow(int cardA, int cardB, const QString& sentence) override;
    bool CorrectAnswerPrepare(int cardB, const QString& sentence) override;
    bool CorrectAnswerShow() override;
    std::optional<bool> PlayAgainAsk() override;
    void WordTimerStart() override;
    void WordTimerStop() override;
    void LessonClose() override;

    QPixmap cardPicture(int card) const;
    int yellowCards() const;

    PairsGame m_game;
    std::array<QPointer<QWidget>, PairsGame::kCards> picCARD;
    std::array<QPointer<QLabel>, PairsGame::kCards> imgMATCH;
    QPointer<QTimer> tmrTimer1;
    QPointer<picbtn> btnpEXIT;
    QPointer<picbtn> btnpNEW;
    QPointer<QLabel> lblCLICKCARDS;
};

} // namespace lxp
