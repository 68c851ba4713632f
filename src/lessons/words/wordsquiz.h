// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace lxp {

// What the picture quiz asks of its screen. A sound blocks until it has played and a
// dialog until the learner has closed it; other events of the program run meanwhile,
// so the quiz may have closed by the time they return. Each such call answers whether
// the quiz is still open, and the quiz ends its step at once when it is not.
class WordsQuizScreen {
public:
    virtual ~WordsQuizScreen() = default;
    // A uniform draw r with 0 <= r < 1.
    virtual double RandomDraw() = 0;
    // Shows the photograph of the word whose resource name is given ("BLUECAR"); an
    // empty name, or a word without a photograph, leaves the picture box empty.
    virtual void WordPictureShow(const QString& resourceName) = 0;
    // Where the word on show stands in its category: position n of count (both 0 when
    // there is no word).
    virtual void PositionShow(qint32 n, qint32 count) = 0;
    // Puts `word` on choice button `button` (0 to 4, left to right); an empty word
    // leaves the button empty and disabled.
    virtual void ChoiceShow(int button, const QString& word) = 0;
    // The score gauge and its tooltip drawn for `score` right answers in a row.
    virtual void GaugeShow(qint32 score) = 0;
    // The right-answer dialog: first filled in (a fresh dialog with the photograph on
    // show and the sentence; its sound plays), then shown once the word timer runs.
    [[nodiscard]] virtual bool CorrectAnswerPrepare(const QString& sentence) = 0;
    [[nodiscard]] virtual bool CorrectAnswerShow() = 0;
    // The ten-in-a-row dialog.
    [[nodiscard]] virtual bool TenInARowShow() = 0;
    // The wrong-answer dialog with the photograph on show and the sentence.
    [[nodiscard]] virtual bool WrongAnswerShow(const QString& sentence) = 0;
    // Says a word.
    [[nodiscard]] virtual bool WordSay(const QString& word) = 0;
    // The 200 ms timer that speaks the word of a right answer.
    virtual void WordTimerStart() = 0;
    virtual void WordTimerStop() = 0;
};

// The rules of the words lesson's picture quiz: the photograph of one word of a
// category and five word buttons, one of them the word; a score of right answers in a
// row, kept from one opening to the next. No widgets and no side effects of its own:
// sounds, dialogs, pictures and random draws go through WordsQuizScreen; the words
// come from the category word table of the content variant it is given.
class WordsQuiz {
public:
    static constexpr int kChoices = 5;
    // Right answers in a row that earn the ten-in-a-row dialog.
    static constexpr qint32 kScoreGoal = 10;

    explicit WordsQuiz(WordsQuizScreen& screen);

    // The quiz opens on the category `key`: the gauge drawn from the kept score, the
    // category's words read, a first word drawn and its choices dealt. A key the
    // table does not hold gives an empty quiz: no word and five empty buttons.
    void Start(const QString& key, ContentVariant variant);
    // Another word of the category, never the one on show, with new choices. The
    // score is not touched.
    void WordNext();
    // The learner clicks choice button `button`.
    void ChoiceClick(int button);
    // The speaker button: says the word on show.
    bool WordSay();
    // The word timer fires: says the word of the last right answer.
    bool WordTimerFired();

    // The word on show ("" when the category has none), its position (1-based) and
    // the number of words of the category (lngWORDNUMBER, intWORDCOUNT).
    const QString& word() const { return m_word; }
    qint32 wordNumber() const { return m_wordNumber; }
    qint16 wordCount() const { return m_wordCount; }
    // The category's words, in table order (the working list).
    const QStringList& words() const { return m_words; }
    // The word on each choice button; "" for an empty button.
    const QString& choice(int button) const { return m_choices.at(size_t(button)); }
    // Right answers in a row (lngSCORE), 0 to 9 between answers.
    qint32 score() const { return m_score; }

private:
    qint32 Draw(qint32 n);
    // Shows word n (1-based) of the working list.
    void WordShow(qint32 n);
    // Puts the word on show and up to four other words of the category on the
    // buttons; buttons beyond the words there are stay empty.
    void ChoicesDeal();

    WordsQuizScreen& m_screen;
    QStringList m_words;
    qint16 m_wordCount = 0;
    qint32 m_wordNumber = 0;
    qint32 m_score = 0;
    QString m_word;
    // The word of the last right answer, which the word timer says even when the next
    // word is on show by then.
    QString m_spokenWord;
    std::array<QString, kChoices> m_choices;
};

} // namespace lxp
