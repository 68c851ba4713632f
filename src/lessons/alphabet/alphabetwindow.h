// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessons/alphabet/alphabetbook.h"
#include "lessons/common/lessonwindow.h"

#include <QPointer>

#include <array>
#include <functional>

class QLabel;
class QTimer;
class QWidget;

namespace lxp {

// The alphabet lesson's window, frmLESSALPH: the word on show in the ribbon (its big
// first letter lblTITLE1 and the rest lblTITLE2, each over its shadow), two rows of
// letter buttons A to Z, the photograph with the word's three sentences beside it,
// the counter under it, and back, speaker, next and exit. The rules live in
// AlphabetBook; this window shows what the book asks.
//
// Keys: A to Z choose a letter, Left and Right are back and next, Space says the word
// again (whichever button has the focus), Escape exits; each presses its button.
class AlphabetWindow : public LessonWindow, private AlphabetScreen {
    Q_OBJECT
public:
    static constexpr const char* kName = "frmLESSALPH";
    static constexpr int kLetters = kLetterKeys;

    // lblTITLE2 starts this far right of lblTITLE1's right edge (60 twips).
    static constexpr int kRestGap = 4;

    AlphabetWindow();

    const AlphabetBook& book() const { return m_book; }

protected:
    void buildScreen(QWidget* screen) override;
    void loadLesson() override;
    void closeLesson() override;
    bool keyPressed(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the book asks of the screen.
    void TitleSet(const QString& header) override;
    void RestSet(const QString& rest) override;
    void PictureShow(const QString& name) override;
    void SentencesSet(const std::array<QString, 3>& sentences) override;
    void CounterSet(const QString& text) override;
    bool LetterSay(const QString& letter) override;
    bool WordSay(const QString& word) override;

    // Connects a button's click to a step of the learner.
    void learnerStep(PictureButton* button, const std::function<void()>& step);
    // A debug line after each step: what shows and what was said.
    void stepLog();
    // Sizes the title labels to their texts and centres the word in the ribbon.
    void titlePlace();

    AlphabetBook m_book;
    std::array<QPointer<PictureButton>, kLetters> m_letterButtons;
    // Index 0 of each pair is the coloured title, 1 its shadow.
    std::array<QPointer<QLabel>, 2> m_titles;
    std::array<QPointer<QLabel>, 2> m_rests;
    std::array<QPointer<QLabel>, 3> m_sentences;
    QPointer<QLabel> m_picture;
    QPointer<QLabel> m_counter;
    QPointer<PictureButton> m_backButton;
    QPointer<PictureButton> m_nextButton;
    QPointer<PictureButton> m_helpButton;
    // Once the screen has shown, the opening step: the letter button "A". Due from the
    // load step until the screen first shows; a step of the learner stops it.
    QPointer<QTimer> m_openingTimer;
    bool m_openingDue = false;
    QString m_lastSaid;
};

} // namespace lxp
