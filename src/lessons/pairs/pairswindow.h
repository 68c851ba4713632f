// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/common/lessonwindow.h"
#include "lessons/pairs/pairsgame.h"

#include <QPointer>

#include <array>

class QKeyEvent;
class QLabel;
class QTimer;
class QWidget;

namespace lxp {

// The matching pairs game's window, frmLESSPAIR: twelve cards on a grid of four
// columns and three rows, the title, the instruction and the new-game and exit
// buttons. The rules live in PairsGame; this window shows what the game asks.
class PairsWindow : public LessonWindow, private PairsScreen {
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

    PairsWindow();

    const PairsGame& game() const { return m_game; }

protected:
    void buildScreen(QWidget* screen) override;
    void loadLesson() override;
    void closeLesson() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the game asks of the screen.
    bool CardPictureLoad(int card, const QString& resourceName) override;
    void CardPictureCopy(int from, int to) override;
    void CardUpdate(int card, const PairCard& state) override;
    double RandomDraw() override;
    bool CardTurnSound() override;
    void WordSay(const QString& word) override;
    bool WrongAnswerShow(int cardA, int cardB, const QString& sentence) override;
    bool CorrectAnswerPrepare(int cardB, const QString& sentence) override;
    bool CorrectAnswerShow() override;
    std::optional<bool> PlayAgainAsk() override;
    void WordTimerStart() override;
    void WordTimerStop() override;
    void LessonClose() override;

    bool cardKeyPressed(QObject* watched, QKeyEvent* key);
    QPixmap cardPicture(int card) const;
    int yellowCards() const;

    PairsGame m_game;
    std::array<QPointer<QWidget>, PairsGame::kCards> m_cards;
    std::array<QPointer<QLabel>, PairsGame::kCards> m_cardPictures;
    QPointer<QTimer> m_wordTimer;
    QPointer<PictureButton> m_newGameButton;
    QPointer<QLabel> m_instruction;
};

} // namespace lxp
