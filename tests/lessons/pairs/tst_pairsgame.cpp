// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/pairs/pairsgame.h"
#include "support/testseam.h"

#include <QSet>
#include <QTest>

#include <functional>
#include <random>

using namespace lxp;

Q_DECLARE_METATYPE(lxp::ContentVariant)

namespace {

// Stands in for the matching pairs screen: notes what the game asks of it and closes
// the lesson during the step named in `closesDuring`.
class FakePairsScreen : public PairsScreen {
public:
    QStringList log;
    QSet<QString> missingPictures;
    bool playAgainAnswer = true;
    QString closesDuring, sentence;
    std::function<void()> duringSound; // runs while a card's sound plays
    int cardB = -1, draws = 0;

    bool CardPictureLoad(int, const QString& name) override
    {
        return !missingPictures.contains(name);
    }
    void CardPictureCopy(int, int) override {}
    void CardUpdate(int, const PairCard&) override {}
    double RandomDraw() override
    {
        ++draws;
        return std::uniform_real_distribution<double>(0.0, 1.0)(m_generator);
    }
    bool CardTurnSound() override
    {
        if (duringSound)
            duringSound();
        return step("click");
    }
    void WordSay(const QString& word) override { log << "say " + word; }
    bool WrongAnswerShow(int, int, const QString&) override { return step("wrong"); }
    bool CorrectAnswerPrepare(int b, const QString& text) override
    {
        cardB = b;
        sentence = text;
        return step("correct prepared");
    }
    bool CorrectAnswerShow() override { return step("correct shown"); }
    std::optional<bool> PlayAgainAsk() override
    {
        return step("play again?") ? std::optional(playAgainAnswer) : std::nullopt;
    }
    void WordTimerStart() override { log << "timer on"; }
    void WordTimerStop() override { log << "timer off"; }
    void LessonClose() override { log << "lesson closed"; }

private:
    bool m_open = true;
    std::mt19937_64 m_generator{20261208};

    bool step(const QString& what)
    {
        log << what;
        m_open = m_open && what != closesDuring;
        return m_open;
    }
};

// "A" with two entries, "B" with three, "X" with two.
const QByteArray kSmallTable = "A\r\n2\r\nApple\r\ns\r\ns\r\ns\r\nAnt\r\ns\r\ns\r\ns\r\n"
                               "B\r\n3\r\nBear\r\ns\r\ns\r\ns\r\nBlue Car\r\ns\r\ns\r\ns\r\n"
                               "Bus\r\ns\r\ns\r\ns\r\nX\r\n2\r\nX ray\r\ns\r\ns\r\ns\r\n"
                               "Xylophone\r\ns\r\ns\r\ns\r\n";

QList<int> cardsOf(const PairsGame& game, const QString& word)
{
    QList<int> found;
    for (int i = 0; i < PairsGame::kCards; ++i)
        if (game.card(i).word == word)
            found << i;
    return found;
}

} // namespace

class TestPairsGame : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;
    FakePairsScreen screen;

    // Six different words on cards 0-5, the same six once each on 6-11, all face down.
    void checkDeal(const PairsGame& game)
    {
        QStringList first, second;
        for (int i = 0; i < PairsGame::kCards; ++i) {
            const PairCard& c = game.card(i);
            QVERIFY(!c.pictureShown && c.enabled && !c.matched && !c.word.contains(' '));
            QCOMPARE(c.picture, c.word.toUpper());
            (i < PairsGame::kPairs ? first : second) << c.word;
        }
        QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), PairsGame::kPairs);
        std::sort(first.begin(), first.end());
        std::sort(second.begin(), second.end());
        QCOMPARE(second, first);
        QCOMPARE(game.cardsTurned() + game.pairsFound(), 0);
    }

private slots:
    // The shipped letter tables are read from the source tree, not the resource table.
    void init()
    {
        seam = std::make_unique<TestSeam>();
        seam->useShippedTables({"US_INF", "ENG_INF"});
        screen = FakePairsScreen();
    }
    void cleanup() { seam.reset(); }

    void dealsSixPairsAndEveryEntryComesUp_data()
    {
        QTest::addColumn<ContentVariant>("variant");
        QTest::newRow("British") << ContentVariant::British;
        QTest::newRow("American") << ContentVariant::American;
    }
    void dealsSixPairsAndEveryEntryComesUp()
    {
        QFETCH(ContentVariant, variant);
        PairsGame game(screen);
        game.setContentVariant(variant);
        QSet<QString> dealt;
        for (int deal = 0; deal < 2500 && dealt.size() < 157; ++deal) {
            game.DealCards();
            checkDeal(game);
            for (int i = 0; i < PairsGame::kPairs; ++i)
                dealt.insert(game.card(i).word);
        }
        QCOMPARE(dealt.size(), 157); // every entry of the table
    }

    // Card 3 holds Apple, then gets entry `position` of `letter`, corrected into the
    // letter's range; a missing picture or letter keeps what the card had.
    void aCardGetsAnEntryOfALetter_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("missing"); // picture
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("picture");
        const auto row = [](const char* name, const char* letter, int position, const char* missing,
                            const char* word, const char* picture) {
            QTest::newRow(name) << QString(letter) << position << QString(missing) << QString(word)
                                << QString(picture);
        };
        row("0 gives the first", "X", 0, "", "Xray", "XRAY");
        row("last", "X", 2, "", "Xylophone", "XYLOPHONE");
        row("beyond the last", "X", 7, "", "Xylophone", "XYLOPHONE");
        row("negative", "B", -4, "", "Bear", "BEAR");
        row("blanks removed, case kept", "B", 2, "", "BlueCar", "BLUECAR");
        row("missing picture", "A", 2, "ANT", "Ant", "APPLE");
        row("missing letter", "Q", 1, "", "Apple", "APPLE");
    }
    void aCardGetsAnEntryOfALetter()
    {
        QFETCH(QString, letter);
        QFETCH(int, position);
        QFETCH(QString, missing);
        seam->setResource("DATA", "US_INF", kSmallTable);
        PairsGame game(screen);
        game.LetterPictureLoad(3, "A", 1);
        screen.missingPictures.insert(missing);
        game.LetterPictureLoad(3, letter, position);
        QTEST(game.card(3).word, "word");
        QTEST(game.card(3).picture, "picture");
    }

    void aBrokenTableNeverHangsTheDeal_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("one word only") << QByteArray("A\r\n1\r\nApple\r\ns\r\ns\r\ns\r\n");
        QTest::newRow("count beyond the end") << QByteArray("A\r\n40\r\nApple\r\ns\r\n");
        QTest::newRow("count not a number") << QByteArray("A\r\nmany\r\nApple\r\ns\r\ns\r\ns\r\n");
    }
    void aBrokenTableNeverHangsTheDeal()
    {
        QFETCH(QByteArray, table);
        seam->setResource("DATA", "US_INF", table);
        PairsGame game(screen);
        game.DealCards();
        // 500 tries a card: two draws each for the first six cards, one for the others.
        QVERIFY2(screen.draws <= 6 * 500 * 2 + 6 * 500, qPrintable(QString::number(screen.draws)));
        QStringList firstSix;
        for (int i = 0; i < PairsGame::kCards; ++i) {
            const PairCard& c = game.card(i);
            QVERIFY(c.enabled && !c.pictureShown && !c.matched);
            QVERIFY(c.word.isEmpty() || c.word == "Apple");
            if (i < PairsGame::kPairs)
                firstSix << c.word;
            else
                QVERIFY(firstSix.contains(c.word));
        }
    }

    // A pair found (second card first): framed, its dialog, its word spoken when the
    // timer fires. The sixth pair asks once to play again: yes deals, no closes.
    void pairsFoundToTheEnd_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes deals again") << true;
        QTest::newRow("no closes the lesson") << false;
    }
    void pairsFoundToTheEnd()
    {
        QFETCH(bool, answer);
        screen.playAgainAnswer = answer;
        PairsGame game(screen);
        game.DealCards();
        QStringList words;
        for (int i = 0; i < PairsGame::kPairs; ++i)
            words << game.card(i).word;
        const QList<int> pair = cardsOf(game, words.first());
        game.CardClick(pair.at(1));
        game.CardClick(pair.at(0));
        QCOMPARE(screen.log,
                 QStringList({"click", "click", "correct prepared", "timer on", "correct shown"}));
        QCOMPARE(screen.cardB, pair.at(1));
        QCOMPARE(screen.sentence, "You have found " + words.first());
        for (const int i : pair)
            QVERIFY(game.card(i).matched && game.card(i).pictureShown && !game.card(i).enabled);
        QCOMPARE(game.pairsFound(), qint16(1));
        game.WordTimerFired();
        QCOMPARE(screen.log.mid(5), QStringList({"timer off", "say " + words.first()}));

        for (const QString& word : words.mid(1)) {
            const QList<int> next = cardsOf(game, word);
            game.CardClick(next.at(0));
            game.CardClick(next.at(1));
        }
        QCOMPARE(screen.log.count("play again?"), 1);
        QCOMPARE(screen.log.indexOf("play again?"), screen.log.lastIndexOf("correct shown") + 1);
        QCOMPARE(screen.log.contains("lesson closed"), !answer);
        if (answer)
            checkDeal(game);
    }

    // A click on a face-up card does nothing; a third card clicked while the second
    // card's sound plays stays face down, and found pairs stay found.
    void aThirdClickWhileTwoCardsWaitIsIgnored()
    {
        PairsGame game(screen);
        game.DealCards();
        const QList<int> found = cardsOf(game, game.card(0).word);
        game.CardClick(found.at(0));
        game.CardClick(found.at(1));
        QList<int> rest; // the other words' first cards
        for (int i = 1; i < PairsGame::kPairs; ++i)
            rest << i;
        game.CardClick(rest.at(0));
        game.CardClick(rest.at(0));
        QCOMPARE(game.cardsTurned(), qint16(1));
        screen.duringSound = [&] { game.CardClick(rest.at(2)); };
        game.CardClick(rest.at(1));
        QVERIFY(!game.card(rest.at(2)).pictureShown && game.card(rest.at(2)).enabled);
        QCOMPARE(screen.log.count("wrong"), 1);
        for (int i = 0; i < PairsGame::kCards; ++i)
            QCOMPARE(game.card(i).matched && game.card(i).pictureShown, found.contains(i));
        QCOMPARE(game.pairsFound(), qint16(1));
    }

    // The lesson closes while a sound plays or a dialog is open: the game does nothing
    // more to the screen.
    void aClosedLessonEndsTheStep_data()
    {
        QTest::addColumn<QString>("closesDuring");
        QTest::addColumn<bool>("pair");
        QTest::newRow("the second card's sound") << "click" << false;
        QTest::newRow("the wrong answer") << "wrong" << false;
        QTest::newRow("the right answer's preparing") << "correct prepared" << true;
        QTest::newRow("the right answer") << "correct shown" << true;
    }
    void aClosedLessonEndsTheStep()
    {
        QFETCH(QString, closesDuring);
        QFETCH(bool, pair);
        PairsGame game(screen);
        game.DealCards();
        // Cards 0 to 5 hold six different words.
        const int other = pair ? cardsOf(game, game.card(0).word).at(1) : 1;
        game.CardClick(0);
        screen.log.clear();
        screen.closesDuring = closesDuring;
        game.CardClick(other);
        QCOMPARE(screen.log.last(), closesDuring);
        QCOMPARE(game.pairsFound(), qint16(0));
    }
};

QTEST_GUILESS_MAIN(TestPairsGame)
#include "tst_pairsgame.moc"
