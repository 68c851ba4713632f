#include "content/contenttables.h"
#include "fakepairsscreen.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QSet>
#include <QTest>

using namespace lxp;

namespace {

// A small letter table: "A" with two entries, "B" with three, "X" with two.
// Every sound the game plays, as a stand-in recording.
void giveSounds(TestSeam& seam, const QStringList& words)
{
    seam.setResource("AUDIO", "CLICK", QByteArray("RIFF sound"));
    for (const QString& word : words)
        seam.setResource("WORDS", word, QByteArray("RIFF word"));
}

QByteArray smallTable()
{
    const QStringList lines = {
        "A", "2",
        "Apple", "s", "s", "s",
        "Ant", "s", "s", "s",
        "B", "3",
        "Bear", "s", "s", "s",
        "Blue Car", "s", "s", "s",
        "Bus", "s", "s", "s",
        "X", "2",
        "X ray", "s", "s", "s",
        "Xylophone", "s", "s", "s"};
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

// Indexes of the two cards that carry `word`.
QList<int> cardsOf(const PairsGame& game, const QString& word)
{
    QList<int> found;
    for (int i = 0; i < PairsGame::kCards; ++i)
        if (game.card(i).word == word)
            found << i;
    return found;
}

// Two cards with different words, the higher index first.
QPair<int, int> mismatchedCards(const PairsGame& game)
{
    for (int hi = PairsGame::kCards - 1; hi > 0; --hi)
        for (int lo = 0; lo < hi; ++lo)
            if (game.card(lo).word != game.card(hi).word)
                return {hi, lo};
    return {-1, -1};
}

} // namespace

class TestPairsGame : public QObject {
    Q_OBJECT

    void checkDeal(const PairsGame& game)
    {
        QSet<QString> first;
        for (int i = 0; i < PairsGame::kPairs; ++i)
            first.insert(game.card(i).word);
        QCOMPARE(first.size(), PairsGame::kPairs);
        QStringList second;
        for (int i = PairsGame::kPairs; i < PairsGame::kCards; ++i)
            second << game.card(i).word;
        QCOMPARE(QSet<QString>(second.begin(), second.end()), first);
        QCOMPARE(second.size(), PairsGame::kPairs);
        for (int i = 0; i < PairsGame::kCards; ++i) {
            QVERIFY(!game.card(i).pictureShown);
            QVERIFY(game.card(i).enabled);
            QVERIFY(!game.card(i).matched);
            QVERIFY(!game.card(i).word.contains(' '));
            QCOMPARE(game.card(i).picture, game.card(i).word.toUpper());
        }
        QCOMPARE(game.intCARDSTURNED, qint16(0));
        QCOMPARE(game.intPAIRSFOUND, qint16(0));
    }

private slots:
    void init() { resetShared(); }

    void dealsSixPairsAndEveryEntryComesUp_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("British") << "ENGLISH";
        QTest::newRow("American") << "AMERICAN";
    }
    void dealsSixPairsAndEveryEntryComesUp()
    {
        QFETCH(QString, language);
        TestSeam seam;
        shared().strLANGUAGE = language;
        const QStringList table = ContentTableLoad("INF");
        if (table.isEmpty())
            QSKIP("the letter tables are not in the resource table");
        // Every entry name of the table, as a card carries it.
        QSet<QString> entries;
        for (qsizetype i = 0; i + 1 < table.size();) {
            const qsizetype count = table.at(i + 1).toInt();
            for (qsizetype e = 0; e < count; ++e)
                entries.insert(QString(table.at(i + 2 + e * 4)).remove(' '));
            i += 2 + count * 4;
        }
        QCOMPARE(entries.size(), 157);

        FakePairsScreen screen;
        PairsGame game(screen);
        QSet<QString> dealt;
        for (int deal = 0; deal < 2500 && dealt.size() < entries.size(); ++deal) {
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
        QTest::addColumn<int>("count");
        QTest::newRow("0 gives the first") << "X" << 0 << "Xray" << 2;
        QTest::newRow("1") << "X" << 1 << "Xray" << 2;
        QTest::newRow("last") << "X" << 2 << "Xylophone" << 2;
        QTest::newRow("beyond the last") << "X" << 7 << "Xylophone" << 2;
        QTest::newRow("negative") << "B" << -4 << "Bear" << 3;
        QTest::newRow("blanks removed, case kept") << "B" << 2 << "BlueCar" << 3;
    }
    void positionsAreCorrectedIntoTheLettersRange()
    {
        QFETCH(QString, letter);
        QFETCH(int, position);
        QFETCH(QString, word);
        QFETCH(int, count);
        TestSeam seam;
        seam.setResource("DATA", "US_INF", smallTable());
        FakePairsScreen screen;
        PairsGame game(screen);
        game.LetterPictureLoad(3, letter, position);
        QCOMPARE(game.card(3).word, word);
        QCOMPARE(game.card(3).picture, word.toUpper());
        QCOMPARE(shared().lngITEMCOUNT, count);
    }

    void spellingVariantChoosesTheTable()
    {
        TestSeam seam;
        seam.setResource("DATA", "ENG_INF", QByteArray("A\r\n1\r\nAubergine\r\ns\r\ns\r\ns\r\n"));
        seam.setResource("DATA", "US_INF", QByteArray("A\r\n1\r\nAutumn\r\ns\r\ns\r\ns\r\n"));
        FakePairsScreen screen;
        PairsGame game(screen);
        shared().strLANGUAGE = "ENGLISH";
        game.LetterPictureLoad(0, "A", 1);
        QCOMPARE(game.card(0).word, QString("Aubergine"));
        shared().strLANGUAGE = "AMERICAN";
        game.LetterPictureLoad(0, "A", 1);
        QCOMPARE(game.card(0).word, QString("Autumn"));
    }

    void aMissingPictureStillGivesTheWord()
    {
        TestSeam seam;
        seam.setResource("DATA", "US_INF", smallTable());
        FakePairsScreen screen;
        PairsGame game(screen);
        game.LetterPictureLoad(0, "A", 1);
        screen.missingPictures.insert("ANT");
        game.LetterPictureLoad(0, "A", 2);
        QCOMPARE(game.card(0).word, QString("Ant"));
        QCOMPARE(game.card(0).picture, QString("APPLE"));
        // A letter the table lacks leaves the card as it was.
        shared().lngITEMCOUNT = 9;
        game.LetterPictureLoad(0, "Q", 1);
        QCOMPARE(game.card(0).word, QString("Ant"));
        QCOMPARE(shared().lngITEMCOUNT, 9);
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
        TestSeam seam;
        seam.setResource("DATA", "US_INF", table);
        FakePairsScreen screen;
        PairsGame game(screen);
        game.DealCards();
        QCOMPARE(game.intPAIRSFOUND, qint16(0));
        for (int i = 0; i < PairsGame::kCards; ++i)
            QVERIFY(game.card(i).enabled);
    }

    void mismatchNamesTheLowerCardFirstAndTurnsBothBack()
    {
        TestSeam seam;
        seam.setResource("DATA", "US_INF", smallTable());
        FakePairsScreen screen;
        PairsGame game(screen);
        giveSounds(seam, {});
        game.DealCards();
        const auto [hi, lo] = mismatchedCards(game);
        QVERIFY(hi > lo && lo >= 0);
        seam.played.clear();
        game.picCARD_Click(hi);
        QCOMPARE(game.intCARDSTURNED, qint16(1));
        QVERIFY(game.card(hi).pictureShown && !game.card(hi).enabled);
        game.picCARD_Click(hi); // a face-up card does nothing
        QCOMPARE(game.intCARDSTURNED, qint16(1));
        game.picCARD_Click(lo);
        QCOMPARE(seam.played, QStringList({"AUDIO/CLICK", "AUDIO/CLICK"}));
        QCOMPARE(screen.wrongA, lo);
        QCOMPARE(screen.wrongB, hi);
        QCOMPARE(screen.lastSentence,
                 "You have found  " + game.card(lo).word + " and " + game.card(hi).word);
        QCOMPARE(game.intCARDSTURNED, qint16(0));
        QCOMPARE(game.intPAIRSFOUND, qint16(0));
        for (const int i : {hi, lo}) {
            QVERIFY(!game.card(i).pictureShown);
            QVERIFY(game.card(i).enabled);
            QVERIFY(!game.card(i).matched);
        }
        QCOMPARE(game.strLASTWORD, game.card(hi).word);
    }

    void matchFramesThePairAndSpeaksTheWord()
    {
        TestSeam seam;
        seam.setResource("DATA", "US_INF", smallTable());
        FakePairsScreen screen;
        PairsGame game(screen);
        game.DealCards();
        const QString word = game.card(0).word;
        giveSounds(seam, {word});
        const QList<int> pair = cardsOf(game, word);
        QCOMPARE(pair.size(), 2);
        screen.log.clear();
        game.picCARD_Click(pair.at(1));
        game.picCARD_Click(pair.at(0));
        QCOMPARE(screen.log, QStringList({"correct prepared", "timer on", "correct shown"}));
        QCOMPARE(screen.correctB, pair.at(1));
        QCOMPARE(screen.lastSentence, "You have found " + word);
        for (const int i : pair)
            QVERIFY(game.card(i).matched && game.card(i).pictureShown && !game.card(i).enabled);
        QCOMPARE(game.intPAIRSFOUND, qint16(1));
        QCOMPARE(game.intCARDSTURNED, qint16(0));
        seam.played.clear();
        game.tmrTimer1_Timer();
        QCOMPARE(seam.played.size(), 1);
        QCOMPARE(seam.played.first().toUpper(), "WORDS/" + word.toUpper());
        QVERIFY(!screen.timerRunning);
    }

    void sixthPairAsksToPlayAgain_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("yes deals again") << true;
        QTest::newRow("no closes the lesson") << false;
    }
    void sixthPairAsksToPlayAgain()
    {
        QFETCH(bool, answer);
        TestSeam seam;
        FakePairsScreen screen;
        screen.playAgainAnswer = answer;
        PairsGame game(screen);
        if (ContentTableLoad("INF").isEmpty())
            QSKIP("the letter tables are not in the resource table");
        game.DealCards();
        QStringList words;
        for (int i = 0; i < PairsGame::kPairs; ++i)
            words << game.card(i).word;
        for (const QString& word : words) {
            const QList<int> pair = cardsOf(game, word);
            game.picCARD_Click(pair.at(0));
            game.picCARD_Click(pair.at(1));
        }
        QCOMPARE(screen.log.count("play again?"), 1);
        QCOMPARE(screen.log.indexOf("play again?"), screen.log.lastIndexOf("correct shown") + 1);
        QCOMPARE(screen.lessonCloses, answer ? 0 : 1);
        if (answer) {
            checkDeal(game);
        } else {
            QCOMPARE(game.intPAIRSFOUND, qint16(6));
        }
    }

    void aThirdClickDuringTheSecondSoundIsIgnored()
    {
        TestSeam seam;
        giveSounds(seam, {});
        FakePairsScreen screen;
        PairsGame game(screen);
        if (ContentTableLoad("INF").isEmpty())
            QSKIP("the letter tables are not in the resource table");
        game.DealCards();
        // Find one pair first.
        const QList<int> found = cardsOf(game, game.card(0).word);
        game.picCARD_Click(found.at(0));
        game.picCARD_Click(found.at(1));
        QCOMPARE(game.intPAIRSFOUND, qint16(1));

        // Then turn two cards that differ; while the second one's sound plays, the
        // learner clicks a third card.
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
        QVERIFY(first >= 0 && second >= 0 && third >= 0);
        game.picCARD_Click(first);
        int sounds = 0;
        seam.onPlay = [&](const QString&) {
            if (++sounds == 1)
                game.picCARD_Click(third);
        };
        game.picCARD_Click(second);
        QVERIFY(!game.card(third).pictureShown);
        QVERIFY(game.card(third).enabled);
        QCOMPARE(screen.log.count("wrong"), 1);
        QCOMPARE(game.intPAIRSFOUND, qint16(1));
        for (const int i : found)
            QVERIFY(game.card(i).matched && game.card(i).pictureShown);
        int matchedCards = 0;
        for (int i = 0; i < PairsGame::kCards; ++i)
            matchedCards += game.card(i).matched ? 1 : 0;
        QCOMPARE(matchedCards, 2 * game.intPAIRSFOUND);
    }

    void newDealForgetsThePairsFound()
    {
        TestSeam seam;
        seam.setResource("DATA", "US_INF", smallTable());
        FakePairsScreen screen;
        PairsGame game(screen);
        game.DealCards();
        const QList<int> pair = cardsOf(game, game.card(0).word);
        game.picCARD_Click(pair.at(0));
        game.picCARD_Click(pair.at(1));
        QCOMPARE(game.intPAIRSFOUND, qint16(1));
        game.DealCards();
        checkDeal(game);
    }
};

QTEST_GUILESS_MAIN(TestPairsGame)
#include "tst_pairsgame.moc"
