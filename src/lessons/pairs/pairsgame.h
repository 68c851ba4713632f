// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>

namespace lxp {

// One card of the matching pairs game.
struct PairCard {
    // The word the card carries: the entry name with its blanks removed, letter case
    // kept ("Kiwi Fruit" is carried as KiwiFruit). Cards pair by equal words.
    QString word;
    // Resource name of the picture the card holds ("KIWIFRUIT"); empty while none.
    QString picture;
    bool pictureShown = false;
    bool enabled = true;
    // A card of a found pair: yellow frame instead of blue.
    bool matched = false;

    // Face up and waiting for the comparison.
    bool faceUp() const { return !matched && pictureShown && !enabled; }
};

// What the game asks of its screen. A sound blocks until it has played and a dialog
// until the learner has closed it; other events of the program run meanwhile, so the
// lesson may have closed by the time they return. Each such call answers whether the
// lesson is still open, and the game ends its step at once when it is not.
class PairsScreen {
public:
    virtual ~PairsScreen() = default;
    // Loads the word picture `resourceName` into card `card`; false (and the card
    // keeps the picture it had) when there is no such picture.
    virtual bool CardPictureLoad(int card, const QString& resourceName) = 0;
    // Copies the picture of card `from` to card `to`.
    virtual void CardPictureCopy(int from, int to) = 0;
    // Shows the card as the game holds it (picture shown, enabled, frame colour).
    virtual void CardUpdate(int card, const PairCard& state) = 0;
    // A uniform draw r with 0 <= r < 1.
    virtual double RandomDraw() = 0;
    // The sound of a card turning over.
    [[nodiscard]] virtual bool CardTurnSound() = 0;
    // Says the word of a found pair.
    virtual void WordSay(const QString& word) = 0;
    // The wrong-answer dialog with the pictures of both cards and the sentence.
    [[nodiscard]] virtual bool WrongAnswerShow(int cardA, int cardB, const QString& sentence) = 0;
    // The correct-answer dialog: first filled in (a fresh dialog with card b's
    // picture and the sentence), then shown once the word timer runs.
    [[nodiscard]] virtual bool CorrectAnswerPrepare(int cardB, const QString& sentence) = 0;
    [[nodiscard]] virtual bool CorrectAnswerShow() = 0;
    // The play-again question: the learner's answer, nothing when the lesson closed.
    [[nodiscard]] virtual std::optional<bool> PlayAgainAsk() = 0;
    // The 200 ms timer that speaks the word of a found pair.
    virtual void WordTimerStart() = 0;
    virtual void WordTimerStop() = 0;
    // Closes the lesson window (which brings the main menu back).
    virtual void LessonClose() = 0;
};

// The rules of the matching pairs game: twelve cards, six words on two cards each,
// turned two at a time. No widgets and no side effects of its own: sounds, dialogs
// and random draws go through PairsScreen; the words come from the letter table of
// the content variant it is given.
class PairsGame {
public:
    static constexpr int kCards = 12;
    static constexpr int kPairs = kCards / 2;

    explicit PairsGame(PairsScreen& screen);

    // The letter table the next deal draws from.
    void setContentVariant(ContentVariant variant) { m_variant = variant; }

    // Deals six different words onto cards 0 to 5 and the same six, in random order,
    // onto cards 6 to 11; every card face down, both counters 0.
    void DealCards();
    // Gives `card` entry n of `letter` from the letter table (n corrected into
    // 1..count); the card keeps its picture when the picture is missing and its word
    // too when the entry cannot be found.
    void LetterPictureLoad(int card, const QString& letter, qint32 n);
    // The learner clicks a card.
    void CardClick(int i);
    // The word timer fires: speak the word of the last pair found.
    void WordTimerFired();

    const PairCard& card(int i) const { return m_cards.at(size_t(i)); }
    // Cards face up and waiting for their comparison (intCARDSTURNED), pairs found in
    // this deal (intPAIRSFOUND), and the word of the last comparison (strLASTWORD).
    qint16 cardsTurned() const { return m_cardsTurned; }
    qint16 pairsFound() const { return m_pairsFound; }
    const QString& lastWord() const { return m_lastWord; }

private:
    struct LetterBlock {
        qsizetype countLine = -1; // index of the count line in the table; -1: not found
        qint32 count = 0;
    };
    // The block of `letter`; a count line that cannot be read keeps `heldCount`.
    static LetterBlock LetterBlockFind(const QStringList& lines, const QString& letter,
                                       qint32 heldCount);
    // The same on the letter table's lines as read for this draw.
    void LetterPictureLoad(int card, const QString& letter, qint32 n, const QStringList& lines);
    QString LetterDraw();
    qint32 Draw(qint32 n);
    void CardSet(int i, bool pictureShown, bool enabled, bool matched);
    void Compare();
    // A card's word may be dealt: it has one and no other card has it yet.
    bool isNewWord(const QString& word) const;

    PairsScreen& m_screen;
    ContentVariant m_variant = ContentVariant::American;
    std::array<PairCard, kCards> m_cards;
    qint16 m_cardsTurned = 0;
    qint16 m_pairsFound = 0;
    QString m_lastWord;
    // Words already dealt, to keep a word from being dealt twice (lstLIST).
    QStringList m_dealt;
    // The count of the letter block read last, for a count line that cannot be read.
    qint32 m_heldCount = 0;
};

} // namespace lxp
