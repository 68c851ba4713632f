// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

namespace lxp {

// What the game asks of its screen. A sound blocks until it has played and a dialog
// until the learner has closed it; other events of the program run meanwhile, so the
// lesson may have closed by the time they return. Each such call answers whether the
// lesson is still open, and the game ends its step at once when it is not.
class PicturesAndWordsScreen {
public:
    virtual ~PicturesAndWordsScreen() = default;
    // A uniform draw r with 0 <= r < 1.
    virtual double RandomDraw() = 0;
    // Shows the photograph `resourceName` (ICECREAM) above the word; a missing one
    // leaves the photograph that was there. An empty name clears it.
    virtual void WordPictureShow(const QString& resourceName) = 0;
    // The word as shown: stars for the letters not found yet.
    virtual void HiddenWordShow(const QString& hidden) = 0;
    virtual void LetterButtonEnable(int letter, bool enabled) = 0;
    // The wrong-guess meter: the height of its inside, and the top of its black cover
    // (pixels from the top of the inside) over the colour.
    virtual int MeterInnerHeight() const = 0;
    virtual void MeterShow(int coverTop, const QColor& colour) = 0;
    // The "BUTTON" effect of a letter found.
    [[nodiscard]] virtual bool GoodLetterSound() = 0;
    [[nodiscard]] virtual bool WordSay(const QString& word) = 0;
    // The correct-answer dialog with the photograph and the sentence: first filled in
    // (its sound plays), then shown once the word timer runs.
    [[nodiscard]] virtual bool CorrectAnswerPrepare(const QString& sentence) = 0;
    [[nodiscard]] virtual bool CorrectAnswerShow() = 0;
    // The wrong-answer dialog with the photograph and the sentence.
    [[nodiscard]] virtual bool WrongAnswerShow(const QString& sentence) = 0;
    // The 200 ms timer that speaks a word just won.
    virtual void WordTimerStart() = 0;
    virtual void WordTimerStop() = 0;
};

// The rules of the pictures-and-words game: a word of the picture word list hidden as
// stars under its photograph, uncovered by pressing letters; won when every letter is
// found, lost at the tenth wrong letter, and the next word comes at once either way.
// No widgets and no side effects of its own: sounds, dialogs, pictures and random
// draws go through PicturesAndWordsScreen.
class PicturesAndWordsGame {
public:
    static constexpr int kLetters = 26;
    static constexpr int kMostWrong = 10;
    // The meter's cover at the start of a word: one pixel above the inside (-15 twips).
    static constexpr int kCoverAtStart = -1;

    explicit PicturesAndWordsGame(PicturesAndWordsScreen& screen);

    // The lesson opens: no word has been given yet, and the first word comes from the
    // picture word list of `variant`.
    void Begin(ContentVariant variant);
    // The next word: drawn from the words not given since the list of given positions
    // was last emptied, shown hidden with its photograph, no wrong guesses, every
    // letter enabled. A list without a word leaves an empty board, every letter off.
    void NewGame();
    // The learner presses letter `letter` (0 is "A", 25 "Z") while word number
    // `forWord` (wordNumber()) is shown. A letter counts once a word, and only for the
    // word it was pressed for: a press delivered after that word is over counts for
    // nothing. (The screen delivers presses one at a time, each once the one before has
    // been applied to the end: clicks and keys made during a sound wait for it.)
    void LetterPress(int letter, quint64 forWord);
    // The speaker button: the word is spoken.
    void WordHear();
    // The word timer fires: the word just won is spoken, once.
    void WordTimerFired();

    // The colour above the meter's cover after `wrong` wrong guesses, 0 to 9.
    static QColor MeterColour(int wrong);

    const QString& word() const { return m_word; }
    const QString& hiddenWord() const { return m_hidden; }
    qint32 wrongGuesses() const { return m_wrong; }
    // Position of the word in the list, from 1; 0 with no word.
    qint32 wordPosition() const { return m_position; }
    // Positions given since the list was last emptied, in order.
    const QList<qint32>& usedPositions() const { return m_used; }
    bool letterEnabled(int letter) const { return m_enabled.at(size_t(letter)); }
    // Counts the words shown since the program started.
    quint64 wordNumber() const { return m_wordNumber; }
    // The letters pressed for this word, each after a blank (lblSOFAR).
    const QString& lettersSoFar() const { return m_soFar; }
    int meterCoverTop() const { return m_coverTop; }
    const QColor& meterColour() const { return m_meterColour; }

private:
    // A position not given yet, uniform among them; 0 when the list has no word.
    qint32 PositionDraw(const QStringList& lines);
    // Uncovers `letter` and goes on to the sound, the meter, a win or a loss.
    void CheckSelectedLetter(const QString& letter);
    void WordWon();
    void MeterUpdate(int coverTop);

    PicturesAndWordsScreen& m_screen;
    ContentVariant m_variant = ContentVariant::American;
    QString m_word;
    QString m_hidden;
    qint32 m_wrong = 0;
    qint32 m_position = 0;
    QString m_selectedLetter;
    QString m_soFar;
    QList<qint32> m_used;
    // The position given last, kept over an emptying of m_used.
    qint32 m_lastPosition = 0;
    std::array<bool, kLetters> m_enabled{};
    quint64 m_wordNumber = 0;
    int m_coverTop = kCoverAtStart;
    QColor m_meterColour = MeterColour(0);
    // The word the running word timer will speak; empty once spoken.
    QString m_timerWord;
};

} // namespace lxp
