// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/words/wordsquiz.h"

#include "content/contenttables.h"
#include "content/wordresourcename.h"

#include <algorithm>
#include <cmath>

namespace lxp {

WordsQuiz::WordsQuiz(WordsQuizScreen& screen) : m_screen(screen) {}

qint32 WordsQuiz::Draw(qint32 n)
{
    if (n <= 1)
        return 0;
    const auto k = qint32(std::floor(m_screen.RandomDraw() * n));
    return std::clamp(k, 0, n - 1);
}

void WordsQuiz::Start(const QString& key, ContentVariant variant)
{
    // The gauge shows the score kept from the last opening at once, so that it always
    // agrees with its tooltip.
    m_screen.GaugeShow(m_score);

    // The working list: the words of the block as far as the table holds them. A
    // count line that cannot be read, or a block cut short, leaves what is there.
    const CategoryWord head = CategoryWordRead(key, 1, variant);
    m_words.clear();
    for (const QString& word : CategoryWordsList(key, head.count, variant).words)
        if (!word.isEmpty())
            m_words.append(word);
    m_wordCount = qint16(m_words.size());

    // Every word of the category is as likely to come first.
    m_wordNumber = 0;
    WordShow(1 + Draw(m_wordCount));
    ChoicesDeal();
}

void WordsQuiz::WordNext()
{
    if (m_wordCount < 2)
        return;
    // Any position but the one on show, each as likely: draw among the others and
    // step over the current one.
    qint32 n = 1 + Draw(m_wordCount - 1);
    if (n >= m_wordNumber)
        ++n;
    WordShow(n);
    ChoicesDeal();
}

void WordsQuiz::WordShow(qint32 n)
{
    if (n < 1 || n > m_words.size()) {
        m_wordNumber = 0;
        m_word.clear();
        m_screen.WordPictureShow(QString());
        m_screen.PositionShow(0, 0);
        return;
    }
    m_wordNumber = n;
    m_word = m_words.at(n - 1);
    m_screen.WordPictureShow(WordResourceName(m_word));
    m_screen.PositionShow(n, m_wordCount);
}

void WordsQuiz::ChoicesDeal()
{
    // The wrong choices: every other word of the category once (a word the table
    // repeats counts once, and never the word on show itself).
    QStringList others;
    for (const QString& word : m_words)
        if (word != m_word && !others.contains(word))
            others.append(word);
    const int dealt = m_word.isEmpty() ? 0 : int(std::min<qsizetype>(kChoices, others.size() + 1));

    // Up to four of them, each set of four as likely: the front of a partial shuffle.
    for (int i = 0; i + 1 < dealt; ++i)
        others.swapItemsAt(i, i + Draw(qint32(others.size()) - i));
    // The word on show on any of the dealt buttons, each as likely.
    const int right = Draw(dealt);

    int next = 0;
    for (int b = 0; b < kChoices; ++b) {
        QString& choice = m_choices.at(size_t(b));
        if (b >= dealt)
            choice.clear();
        else if (b == right)
            choice = m_word;
        else
            choice = others.at(next++);
        m_screen.ChoiceShow(b, choice);
    }
}

void WordsQuiz::ChoiceClick(int button)
{
    if (button < 0 || button >= kChoices || m_choices.at(size_t(button)).isEmpty())
        return;

    if (m_choices.at(size_t(button)) != m_word) {
        m_score = 0;
        m_screen.GaugeShow(m_score);
        // Nothing follows the dialog: the same picture and choices stay for another try.
        static_cast<void>(
            m_screen.WrongAnswerShow(QStringLiteral("You have not found the correct one")));
        return;
    }

    m_spokenWord = m_word;
    if (!m_screen.CorrectAnswerPrepare(QStringLiteral("You found ") + m_word))
        return;
    m_screen.WordTimerStart();
    if (!m_screen.CorrectAnswerShow())
        return;
    ++m_score;
    m_screen.GaugeShow(m_score);
    if (m_score >= kScoreGoal) {
        // The count starts again before the dialog, so that it never stays at ten when
        // the quiz closes meanwhile.
        m_score = 0;
        if (!m_screen.TenInARowShow())
            return;
        m_screen.GaugeShow(m_score);
    }
    WordNext();
}

bool WordsQuiz::WordSay()
{
    return m_word.isEmpty() || m_screen.WordSay(m_word);
}

bool WordsQuiz::WordTimerFired()
{
    // Off before the word plays: the timer must not fire again while it is spoken.
    m_screen.WordTimerStop();
    return m_screen.WordSay(m_spokenWord);
}

} // namespace lxp
