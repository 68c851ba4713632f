// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/contenttables.h"
#include "fakepairsscreen.h"
#include "support/testseam.h"

#include <QSet>
#include <QTest>

using namespace lxp;

Q_DECLARE_METATYPE(lxp::ContentVariant)

namespace {

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

void findPair(PairsGame& game, const QString& word)
{
    const QList<int> pair = cardsOf(game, word);
    game.CardClick(pair.at(0));
    game.CardClick(pair.at(1));
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
    // The rules are tested without the program's resource table: the shipped letter
    // tables are read from the source tree.
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
        const QStringList table = ContentTableLoad("INF", variant);
        QSet<QString> entries;
        for (qsizetype i = 0; i + 1 < table.size(); i += 2 + table.at(i + 1).toInt() * 4)
            for (int e = 0; e < table.at(i + 1).toInt(); ++e)
                entries.insert(QString(table.at(i + 2 + e * 4)).remove(' '));
        QCOMPARE(entries.size(), 157);

        PairsGame game(screen);
        game.setContentVariant(variant);
        QSet<QString> dealt;
        for (int deal = 0; deal < 2500 && dealt != entries; ++deal) {
            game.DealCards();
            checkDeal(game);
            for (int i = 0; i < PairsGame::kPairs; ++i)
                dealt.insert(game.card(i).word);
        }
        QCOMPARE(dealt, entries);
    }

    void positionsAreCorrectedIntoTheLettersRange_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("word");
        QTest::newRow("0 gives the first") << "X" << 0 << "Xray";
        QTest::newRow("last") << "X" << 2 << "Xylophone";
        QTest::newRow("beyond the last") << "X" << 7 << "Xylophone";
        QTest::newRow("negative") << "B" << -4 << "Bear";
        QTest::newRow("blanks removed, case kept") << "B" << 2 << "BlueCar";
    }
    void positionsAreCorrectedIntoTheLettersRange()
    {
        QFETCH(QString, letter);
        QFETCH(int, position);
        QFETCH(QString, word);
        seam->setResource("DATA", "US_INF", kSmallTable);
        PairsGame game(screen);
        game.LetterPictureLoad(3, letter, position);
        QCOMPARE(game.card(3).word, word);
        QCOMPARE(game.card(3).picture, word.toUpper());
    }

    void aMissingPictureOrLetterKeepsWhatTheCardHad()
    {
        seam->setResource("DATA", "US_INF", kSmallTable);
        PairsGame game(screen);
        game.LetterPictureLoad(0, "A", 1);
        screen.missingPictures.insert("ANT");
        game.LetterPictureLoad(0, "A", 2);
        QCOMPARE(game.card(0).word, QString("Ant")); // the word still comes
        QCOMPARE(game.card(0).picture, QString("APPLE"));
        game.LetterPictureLoad(0, "Q", 1);
        QCOMPARE(game.card(0).word, QString("Ant"));
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
        // The deal gives up on a card after 500 tries (two draws each for the first six
        // cards, one for the last six) and leaves a playable board of what it found.
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

    void aMatchIsFramedAndItsWordSpokenWhenTheTimerFires()
    {
        PairsGame game(screen);
        game.DealCards();
        const QString word = game.card(0).word;
        const QList<int> pair = cardsOf(game, word);
        game.CardClick(pair.at(1));
        game.CardClick(pair.at(0));
        QCOMPARE(screen.log,
                 QStringList({"click", "click", "correct prepared", "timer on", "correct shown"}));
        QCOMPARE(screen.cardB, pair.at(1));
        QCOMPARE(screen.sentence, "You have found " + word);
        for (const int i : pair)
            QVERIFY(game.card(i).matched && game.card(i).pictureShown && !game.card(i).enabled);
        QCOMPARE(game.pairsFound(), qint16(1));
        game.WordTimerFired();
        QCOMPARE(screen.log.mid(5), QStringList({"timer off", "say " + word}));
    }

    void theSixthPairAsksToPlayAgain_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes deals again") << true;
        QTest::newRow("no closes the lesson") << false;
    }
    void theSixthPairAsksToPlayAgain()
    {
        QFETCH(bool, answer);
        screen.playAgainAnswer = answer;
        PairsGame game(screen);
        game.DealCards();
        QStringList words;
        for (int i = 0; i < PairsGame::kPairs; ++i)
            words << game.card(i).word;
        for (const QString& word : words)
            findPair(game, word);
        QCOMPARE(screen.log.count("play again?"), 1);
        QCOMPARE(screen.log.indexOf("play again?"), screen.log.lastIndexOf("correct shown") + 1);
        QCOMPARE(screen.log.contains("lesson closed"), !answer);
        if (answer)
            checkDeal(game);
    }

    // While the second card's sound plays the learner clicks a third card: it stays
    // face down, and found pairs stay found.
    void aThirdClickWhileTwoCardsWaitIsIgnored()
    {
        PairsGame game(screen);
        game.DealCards();
        findPair(game, game.card(0).word);
        int first = -1, second = -1, third = -1;
        for (int i = 0; i < PairsGame::kCards; ++i) {
            if (game.card(i).matched)
                continue;
            if (first < 0)
                first = i;
            else if (second < 0 && game.card(i).word != game.card(first).word)
                second = i;
            else if (third < 0 && i != second)
                third = i;
        }
        game.CardClick(first);
        game.CardClick(first); // a face-up card does nothing
        QCOMPARE(game.cardsTurned(), qint16(1));
        screen.duringSound = [&] { game.CardClick(third); };
        game.CardClick(second);
        QVERIFY(!game.card(third).pictureShown && game.card(third).enabled);
        QCOMPARE(screen.log.count("wrong"), 1);
        int matched = 0;
        for (int i = 0; i < PairsGame::kCards; ++i)
            matched += game.card(i).matched && game.card(i).pictureShown ? 1 : 0;
        QCOMPARE(matched, 2);
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
