// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/pairs/pairsgame.h"

#include "content/contenttables.h"

#include <algorithm>
#include <cmath>

namespace lxp {

namespace {
// A deal redraws a card while its word is taken already. With a broken table there
// may never be six different words; the deal then gives up on that card rather than
// draw for ever.
constexpr int kMostDrawsPerCard = 500;
} // namespace

PairsGame::PairsGame(PairsScreen& screen) : m_screen(screen) {}

qint32 PairsGame::Draw(qint32 n)
{
    if (n <= 0)
        return 0;
    const auto k = qint32(std::floor(m_screen.RandomDraw() * n));
    return std::clamp(k, 0, n - 1);
}

QString PairsGame::LetterDraw()
{
    return QString(QChar(u'A' + Draw(26)));
}

void PairsGame::CardSet(int i, bool pictureShown, bool enabled, bool matched)
{
    PairCard& c = m_cards.at(size_t(i));
    c.pictureShown = pictureShown;
    c.enabled = enabled;
    c.matched = matched;
    m_screen.CardUpdate(i, c);
}

PairsGame::LetterBlock PairsGame::LetterBlockFind(const QStringList& lines, const QString& letter,
                                                  qint32 heldCount)
{
    // The header is a line exactly equal to the letter; an empty line ends the search.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            return {};
        if (lines.at(i) != letter)
            continue;
        LetterBlock block;
        if (i + 1 >= lines.size())
            return block;
        block.countLine = i + 1;
        bool ok = false;
        const qint32 count = lines.at(i + 1).trimmed().toInt(&ok);
        block.count = ok ? count : heldCount;
        return block;
    }
    return {};
}

void PairsGame::LetterPictureLoad(int card, const QString& letter, qint32 n)
{
    LetterPictureLoad(card, letter, n, ContentTableLoad(QLatin1String(kLetterTable), m_variant));
}

void PairsGame::LetterPictureLoad(int card, const QString& letter, qint32 n,
                                  const QStringList& lines)
{
    if (card < 0 || card >= kCards)
        return;
    if (n == 0)
        n = 1;
    const LetterBlock block = LetterBlockFind(lines, letter, m_heldCount);
    if (block.countLine < 0)
        return;
    m_heldCount = block.count;
    if (block.count < 1)
        return;
    n = std::clamp(n, 1, block.count);
    const qsizetype nameLine = block.countLine + 1 + qsizetype(n - 1) * 4;
    if (nameLine >= lines.size())
        return;
    QString word = lines.at(nameLine);
    word.remove(QLatin1Char(' '));
    PairCard& c = m_cards.at(size_t(card));
    const QString resourceName = word.toUpper();
    if (m_screen.CardPictureLoad(card, resourceName))
        c.picture = resourceName;
    c.word = word;
}

bool PairsGame::isNewWord(const QString& word) const
{
    return !word.isEmpty() && !m_dealt.contains(word);
}

void PairsGame::DealCards()
{
    for (int i = 0; i < kCards; ++i)
        CardSet(i, false, true, false);
    m_dealt.clear();
    m_cardsTurned = 0;
    m_pairsFound = 0;

    // Each of the first six cards: a letter, then one of that letter's own entries,
    // drawn again while the word is dealt already.
    for (int i = 0; i < kPairs; ++i) {
        for (int draws = 0; draws < kMostDrawsPerCard; ++draws) {
            const QString letter = LetterDraw();
            const QStringList lines = ContentTableLoad(QLatin1String(kLetterTable), m_variant);
            LetterPictureLoad(i, letter,
                              Draw(LetterBlockFind(lines, letter, m_heldCount).count) + 1, lines);
            if (isNewWord(m_cards.at(size_t(i)).word))
                break;
        }
        m_dealt.append(m_cards.at(size_t(i)).word);
        CardSet(i, false, true, false);
    }

    // The last six: the same words in random order.
    m_dealt.clear();
    for (int i = kPairs; i < kCards; ++i) {
        for (int draws = 0; draws < kMostDrawsPerCard; ++draws) {
            const int k = Draw(kPairs);
            m_cards.at(size_t(i)).word = m_cards.at(size_t(k)).word;
            m_cards.at(size_t(i)).picture = m_cards.at(size_t(k)).picture;
            m_screen.CardPictureCopy(k, i);
            if (isNewWord(m_cards.at(size_t(i)).word))
                break;
        }
        m_dealt.append(m_cards.at(size_t(i)).word);
        CardSet(i, false, true, false);
    }
}

void PairsGame::CardClick(int i)
{
    if (i < 0 || i >= kCards || !m_cards.at(size_t(i)).enabled)
        return;
    // Two cards are face up already and wait for their comparison (the second one's
    // sound may still be playing): a third card is not turned.
    if (m_cardsTurned >= 2)
        return;
    ++m_cardsTurned;
    CardSet(i, true, false, false);
    if (!m_screen.CardTurnSound() || m_cardsTurned == 1)
        return;
    Compare();
}

void PairsGame::Compare()
{
    // The cards face up, in card order: the lower index gives the first word.
    int a = -1;
    int b = -1;
    for (int i = 0; i < kCards && b < 0; ++i) {
        if (!m_cards.at(size_t(i)).faceUp())
            continue;
        if (a < 0)
            a = i;
        else
            b = i;
    }
    if (b < 0)
        return;
    const QString wordA = m_cards.at(size_t(a)).word;
    const QString wordB = m_cards.at(size_t(b)).word;
    m_lastWord = wordB;

    if (wordA != wordB) {
        if (!m_screen.WrongAnswerShow(
                a, b, QStringLiteral("You have found  ") + wordA + QStringLiteral(" and ") + wordB))
            return;
        m_cardsTurned = 0;
        CardSet(a, false, true, false);
        CardSet(b, false, true, false);
        return;
    }

    if (!m_screen.CorrectAnswerPrepare(b, QStringLiteral("You have found ") + wordB))
        return;
    m_screen.WordTimerStart();
    if (!m_screen.CorrectAnswerShow())
        return;
    CardSet(a, true, false, true);
    CardSet(b, true, false, true);
    m_cardsTurned = 0;
    ++m_pairsFound;
    if (m_pairsFound < kPairs)
        return;

    const std::optional<bool> again = m_screen.PlayAgainAsk();
    if (!again)
        return;
    if (!*again) {
        m_screen.LessonClose();
        return;
    }
    m_cardsTurned = 0;
    for (int i = 0; i < kCards; ++i)
        CardSet(i, false, true, false);
    DealCards();
}

void PairsGame::WordTimerFired()
{
    // Off before the word plays: the timer must not fire again while it is spoken.
    m_screen.WordTimerStop();
    m_screen.WordSay(m_lastWord);
}

} // namespace lxp
