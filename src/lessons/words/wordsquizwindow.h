// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/common/lessonwindow.h"
#include "lessons/words/wordsquiz.h"

#include <QPointer>

#include <array>

class QLabel;
class QTimer;
class QWidget;

namespace lxp {

// The words lesson's picture quiz, frmLESSWRDS: the title of the chosen category
// (lblWORDS_0 its shadow, lblWORDS_1 the title), the photograph (picMAINWINDOW), its
// place in the category (lbl1Of9frmLESSWRDS), five choice buttons (btnpPICWORD1_0 to
// _4, left to right), the speaker (btnpHELP), Next, Exit back to the category menu and
// the score gauge (picSCALE, with its white cover shpLEVEL). The rules live in
// WordsQuiz; this window shows what the quiz asks.
//
// Keys: 1 to 5 choose the choice buttons, Space says the word, N or Right asks for
// the next word, Escape goes back to the category menu.
class WordsQuizWindow : public LessonWindow, private WordsQuizScreen {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLESSWRDS";

    // The photograph's size; the choice buttons are narrower than the wide buttons so
    // that five fit in a row.
    static constexpr int kPictureWidth = 300;
    static constexpr int kPictureHeight = 225;
    static constexpr int kChoiceWidth = 122;
    static constexpr int kWordDelayMs = 200;

    WordsQuizWindow();

    const WordsQuiz& quiz() const { return m_quiz; }

protected:
    void buildScreen(QWidget* screen) override;
    void loadLesson() override;
    void closeLesson() override;
    bool keyPressed(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the quiz asks of the screen.
    double RandomDraw() override;
    void WordPictureShow(const QString& resourceName) override;
    void PositionShow(qint32 n, qint32 count) override;
    void ChoiceShow(int button, const QString& word) override;
    void GaugeShow(qint32 score) override;
    bool CorrectAnswerPrepare(const QString& sentence) override;
    bool CorrectAnswerShow() override;
    bool TenInARowShow() override;
    bool WrongAnswerShow(const QString& sentence) override;
    bool WordSay(const QString& word) override;
    void WordTimerStart() override;
    void WordTimerStop() override;

    QPixmap picture() const;
    // The word on show, its button and the score on the debug log (for the checks
    // that click through the running program).
    void stateLog();

    WordsQuiz m_quiz;
    std::array<QPointer<PictureButton>, WordsQuiz::kChoices> m_choices;
    QPointer<PictureButton> m_help;
    QPointer<PictureButton> m_next;
    QPointer<QLabel> m_picture;
    QPointer<QLabel> m_position;
    QPointer<QLabel> m_instruction;
    QPointer<QWidget> m_scale;
    QPointer<QWidget> m_level;
    QPointer<QTimer> m_wordTimer;
};

} // namespace lxp
