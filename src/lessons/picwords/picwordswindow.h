// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/common/lessonwindow.h"
#include "lessons/picwords/picwordsgame.h"

#include <QPointer>

#include <array>
#include <chrono>

class QLabel;
class QTimer;
class QWidget;

namespace lxp {

// The pictures-and-words game's window, frmLESSPCWD: the photograph of a word with the
// word hidden as stars below it, 26 round letter buttons in two rows of thirteen, the
// wrong-guess meter beside the photograph, the speaker, New word and Exit buttons, the
// title and the instruction. The letter keys A to Z press their buttons. The rules live
// in PicturesAndWordsGame; this window shows what the game asks.
class PicturesAndWordsWindow : public LessonWindow, private PicturesAndWordsScreen {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLESSPCWD";

    // The photograph: 4500 x 3375 twips; the round letter buttons: 615 twips across; the
    // meter 480 x 1545 twips (15 twips a pixel).
    static constexpr int kPictureWidth = 300;
    static constexpr int kPictureHeight = 225;
    static constexpr int kLetterSize = 41;
    static constexpr int kMeterWidth = 32;
    static constexpr int kMeterHeight = 103;
    static constexpr int kWordDelayMs = 200;
    // How long a letter pressed by its key shows its pressed face.
    static constexpr int kKeyFaceMs = 120;

    PicturesAndWordsWindow();

    const PicturesAndWordsGame& game() const { return m_game; }

protected:
    void buildScreen(QWidget* screen) override;
    void loadLesson() override;
    void closeLesson() override;
    bool keyPressed(QKeyEvent* event) override;

private:
    void letterPressed(int letter);

    // What the game asks of the screen.
    double RandomDraw() override;
    void WordPictureShow(const QString& resourceName) override;
    void HiddenWordShow(const QString& hidden) override;
    void LetterButtonEnable(int letter, bool enabled) override;
    int MeterInnerHeight() const override;
    void MeterShow(int coverTop, const QColor& colour) override;
    bool GoodLetterSound() override;
    bool WordSay(const QString& word) override;
    bool CorrectAnswerPrepare(const QString& sentence) override;
    bool CorrectAnswerShow() override;
    bool WrongAnswerShow(const QString& sentence) override;
    void WordTimerStart() override;
    void WordTimerStop() override;

    QPixmap picture() const;

    PicturesAndWordsGame m_game;
    // The word on the screen, and when it came: a letter made before then was made for
    // the word before.
    quint64 m_shownWord = 0;
    std::chrono::steady_clock::time_point m_shownSince;
    // The letter whose key is being handled; -1 for none.
    int m_keyedLetter = -1;

    std::array<QPointer<PictureButton>, PicturesAndWordsGame::kLetters> m_letters;
    QPointer<QLabel> m_picture;
    QPointer<QLabel> m_hiddenWord;
    QPointer<QLabel> m_instruction;
    QPointer<QWidget> m_scale;
    QPointer<QWidget> m_level;
    QPointer<PictureButton> m_speakerButton;
    QPointer<PictureButton> m_newGameButton;
    QPointer<QWidget> m_pageFocus;
    QPointer<QTimer> m_wordTimer;
};

} // namespace lxp
