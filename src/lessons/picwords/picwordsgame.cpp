// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/picwords/picwordsgame.h"

#include "content/contenttables.h"
#include "content/wordresourcename.h"
#include "core/sharedstate.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lxp {

namespace {

// The colour above the meter's cover, from green to red, by the number of wrong guesses.
constexpr QRgb kMeterColours[PicturesAndWordsGame::kMostWrong] = {
    qRgb(0, 255, 0),     qRgb(0, 255, 0),    qRgb(171, 239, 80), qRgb(236, 236, 83),
    qRgb(249, 245, 113), qRgb(237, 209, 82), qRgb(238, 187, 81), qRgb(249, 129, 70),
    qRgb(248, 89, 71),   qRgb(255, 0, 0)};

// A line that holds a word to guess: anything but blanks.
bool isWord(const QString& line)
{
    return !line.trimmed().isEmpty();
}

// The word as first shown: a blank stays a blank, every other character is a star.
QString hidden(const QString& word)
{
    QString stars = word;
    for (QChar& c : stars)
        if (c != QLatin1Char(' '))
            c = QLatin1Char('*');
    return stars;
}

} // namespace

PicturesAndWordsGame::PicturesAndWordsGame(PicturesAndWordsScreen& screen) : m_screen(screen) {}

QColor PicturesAndWordsGame::MeterColour(int wrong)
{
    return QColor(kMeterColours[std::clamp(wrong, 0, kMostWrong - 1)]);
}

void PicturesAndWordsGame::Begin(ContentVariant variant)
{
    m_variant = variant;
    m_used.clear();
    m_lastPosition = 0;
    m_timerWord.clear();
    NewGame();
}

qint32 PicturesAndWordsGame::PositionDraw(const QStringList& lines)
{
    const auto count = qint32(lines.size());
    const auto free = [&] {
        // Right after an emptying the word given last waits one turn, unless it is the
        // only word there is.
        QList<qint32> positions;
        for (qint32 p = 1; p <= count; ++p)
            if (isWord(lines.at(p - 1)) && !m_used.contains(p) &&
                !(m_used.isEmpty() && p == m_lastPosition))
                positions << p;
        if (positions.isEmpty() && m_used.isEmpty() && m_lastPosition > 0 &&
            m_lastPosition <= count && isWord(lines.at(m_lastPosition - 1)))
            positions << m_lastPosition;
        return positions;
    };
    QList<qint32> positions = free();
    if (positions.isEmpty() && !m_used.isEmpty()) {
        // Every word has been given: the list starts again.
        m_used.clear();
        positions = free();
    }
    if (positions.isEmpty())
        return 0;
    const auto k = qsizetype(std::floor(m_screen.RandomDraw() * double(positions.size())));
    const qint32 p = positions.at(std::clamp<qsizetype>(k, 0, positions.size() - 1));
    m_used << p;
    m_lastPosition = p;
    return p;
}

void PicturesAndWordsGame::NewGame()
{
    ++m_wordNumber;
    MeterUpdate(kCoverAtStart);

    const QStringList lines = ContentTableLoad(QLatin1String(kPictureWordsTable), m_variant);
    m_position = PositionDraw(lines);
    m_word = m_position > 0 ? lines.at(m_position - 1) : QString();
    shared().currentWord = m_word;
    m_hidden = hidden(m_word);
    m_screen.WordPictureShow(WordResourceName(m_word));
    m_wrong = 0;
    m_soFar.clear();
    // With no word the label keeps one blank, so that it keeps its height.
    m_screen.HiddenWordShow(m_word.isEmpty() ? QStringLiteral(" ") : m_hidden);
    for (int i = 0; i < kLetters; ++i) {
        m_enabled.at(size_t(i)) = !m_word.isEmpty();
        m_screen.LetterButtonEnable(i, !m_word.isEmpty());
    }
}

void PicturesAndWordsGame::LetterPress(int letter, quint64 forWord)
{
    // A letter of a word that is over counts for nothing; so does a letter pressed
    // again.
    if (letter < 0 || letter >= kLetters || forWord != m_wordNumber || m_word.isEmpty() ||
        !m_enabled.at(size_t(letter)))
        return;
    m_enabled.at(size_t(letter)) = false;
    m_screen.LetterButtonEnable(letter, false);
    m_selectedLetter = QChar(u'A' + letter);
    CheckSelectedLetter(m_selectedLetter);
}

void PicturesAndWordsGame::CheckSelectedLetter(const QString& letter)
{
    const QString before = m_hidden;
    const QString small = letter.toLower();
    for (qsizetype k = 0; k < m_word.size() && k < m_hidden.size(); ++k)
        if (QString(m_word.at(k)).toLower() == small)
            m_hidden[k] = m_word.at(k);
    m_screen.HiddenWordShow(m_hidden);
    m_soFar += QLatin1Char(' ') + letter;
    const bool found = m_hidden != before;
    if (!found)
        ++m_wrong;

    if (m_hidden == m_word) {
        WordWon();
        return;
    }
    if (found && !m_screen.GoodLetterSound())
        return;
    MeterUpdate(qRound(m_wrong * m_screen.MeterInnerHeight() / double(kMostWrong)));
    if (m_wrong < kMostWrong)
        return;
    // The whole meter shows red before the word is told.
    if (!m_screen.WrongAnswerShow(QStringLiteral("The word was ") + shared().currentWord))
        return;
    m_wrong = 0;
    NewGame();
}

void PicturesAndWordsGame::WordWon()
{
    if (!m_screen.CorrectAnswerPrepare(QStringLiteral("The word was ") + shared().currentWord))
        return;
    // The timer keeps the won word: it speaks this word even when the next one is
    // already shown by the time it fires.
    m_timerWord = m_word;
    m_screen.WordTimerStart();
    if (!m_screen.CorrectAnswerShow())
        return;
    NewGame();
}

void PicturesAndWordsGame::MeterUpdate(int coverTop)
{
    m_coverTop = coverTop;
    // At ten wrong guesses the colour stays as it was: red.
    if (m_wrong < kMostWrong)
        m_meterColour = MeterColour(m_wrong);
    m_screen.MeterShow(m_coverTop, m_meterColour);
}

void PicturesAndWordsGame::WordHear()
{
    if (!m_word.isEmpty())
        (void)m_screen.WordSay(m_word);
}

void PicturesAndWordsGame::WordTimerFired()
{
    // Off before the word plays: the timer must not fire again while it is spoken.
    m_screen.WordTimerStop();
    const QString word = std::exchange(m_timerWord, QString());
    if (!word.isEmpty())
        (void)m_screen.WordSay(word);
}

} // namespace lxp
