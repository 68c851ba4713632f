// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sharedstate.h"
#include "lessons/picwords/picwordsgame.h"
#include "support/testseam.h"

#include <QColor>
#include <QTest>

#include <bitset>
#include <random>

using namespace lxp;

Q_DECLARE_METATYPE(lxp::ContentVariant)

namespace {

// Stands in for the pictures-and-words screen: keeps what the game shows and notes its
// sounds, dialogs (with the meter as it stands under them), timer and meter moves.
class FakeScreen : public PicturesAndWordsScreen {
public:
    QStringList log;
    QString hidden, picture;
    std::bitset<PicturesAndWordsGame::kLetters> on;
    int coverTop = 0;
    QColor colour;
    QList<double> scriptedDraws;

    double RandomDraw() override
    {
        return scriptedDraws.isEmpty()
                   ? std::uniform_real_distribution<double>(0.0, 1.0)(m_generator)
                   : scriptedDraws.takeFirst();
    }
    void WordPictureShow(const QString& name) override { picture = name; }
    void HiddenWordShow(const QString& text) override { hidden = text; }
    void LetterButtonEnable(int i, bool enabled) override { on.set(size_t(i), enabled); }
    int MeterInnerHeight() const override { return 100; }
    void MeterShow(int top, const QColor& c) override
    {
        log << QString("meter %1").arg(top);
        coverTop = top;
        colour = c;
    }
    bool GoodLetterSound() override { return note("BUTTON"); }
    bool WordSay(const QString& word) override { return note("say " + word); }
    bool CorrectAnswerPrepare(const QString& text) override { return note("correct: " + text); }
    bool CorrectAnswerShow() override { return note("correct shown"); }
    bool WrongAnswerShow(const QString& text) override
    {
        return note(QString("wrong: %1, meter %2 %3").arg(text).arg(coverTop).arg(colour.name()));
    }
    void WordTimerStart() override { log << "timer on"; }
    void WordTimerStop() override { log << "timer off"; }

private:
    std::mt19937_64 m_generator{20261208};
    bool note(const QString& what)
    {
        log << what;
        return true;
    }
};

} // namespace

class TestPicturesAndWordsGame : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;
    FakeScreen screen;

    // A game on an American list of these lines only; the letters pressed, its log cleared.
    std::unique_ptr<PicturesAndWordsGame> gameOn(const QByteArray& lines, const QByteArray& letters)
    {
        seam->setResource("DATA", "US_PICANDWORDS", lines);
        auto game = std::make_unique<PicturesAndWordsGame>(screen);
        game->Begin(ContentVariant::American);
        press(*game, letters);
        screen.log.clear();
        return game;
    }
    static void press(PicturesAndWordsGame& game, const QByteArray& letters)
    {
        for (const char c : letters)
            game.LetterPress(QChar(c).toUpper().unicode() - 'A', game.wordNumber());
    }

private slots:
    // The shipped lists are read from the source tree, not the program's resources.
    void init()
    {
        seam = std::make_unique<TestSeam>();
        seam->useShippedTables({"US_PICANDWORDS", "ENG_PICANDWORDS"});
        screen = FakeScreen();
    }
    void cleanup() { seam.reset(); }

    // Each letter uncovers every place it has in the word, in the word's own case, and
    // counts once a word; "BUTTON" sounds for a letter found; the meter's cover comes a
    // tenth lower for each wrong letter.
    void lettersUncoverTheWord_data()
    {
        QTest::addColumn<QByteArray>("letters");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("enabled");
        QTest::newRow("none") << QByteArray() << "*** *****" << 0 << 26;
        QTest::newRow("C, small and capital") << QByteArray("C") << "*c* C****" << 0 << 25;
        QTest::newRow("i then E") << QByteArray("iE") << "I*e **e**" << 0 << 24;
        QTest::newRow("pressed again") << QByteArray("ZcZzC") << "*c* C****" << 1 << 24;
        QTest::newRow("four wrong") << QByteArray("ZQXBm") << "*** ****m" << 4 << 21;
    }
    void lettersUncoverTheWord()
    {
        QFETCH(QByteArray, letters);
        QFETCH(int, wrong);
        QFETCH(int, enabled);
        const auto game = gameOn("Ice Cream\r\n", {});
        press(*game, letters);
        QCOMPARE(screen.picture, QString("ICECREAM"));
        QCOMPARE(shared().currentWord, QString("Ice Cream"));
        QTEST(screen.hidden, "hidden");
        QCOMPARE(game->wrongGuesses(), wrong);
        QCOMPARE(screen.log.count("BUTTON"), 26 - enabled - wrong);
        QCOMPARE(int(screen.on.count()), enabled);
        QCOMPARE(screen.coverTop, letters.isEmpty() ? -1 : wrong * 10);
    }

    // The last letter or the tenth wrong one: its dialog (the meter as it stands under
    // it), then the next word at once, afresh. The timer speaks a won word once, though
    // the next word shows by then. A letter of the word before counts for nothing.
    void aWordEnds_data()
    {
        QTest::addColumn<QByteArray>("letters");
        QTest::addColumn<QString>("log"); // of the last letter and two timer shots
        QTest::newRow("won") << QByteArray("AXO")
                             << "correct: The word was Ox|timer on|correct shown|meter -1|"
                                "timer off|say Ox|timer off";
        QTest::newRow("lost") << QByteArray("ACDFGHIJKL")
                              << "meter 100|wrong: The word was Ox, meter 100 #ff0000|meter -1|"
                                 "timer off|timer off";
    }
    void aWordEnds()
    {
        QFETCH(QByteArray, letters);
        screen.scriptedDraws = {0.0};
        const auto game = gameOn("Ox\r\nBee\r\n", letters.chopped(1));
        press(*game, letters.right(1));
        game->WordTimerFired();
        game->WordTimerFired();
        QTEST(screen.log.join('|'), "log");
        QCOMPARE(screen.hidden, QString("***"));
        QCOMPARE(game->wrongGuesses(), 0);
        QCOMPARE(int(screen.on.count()), 26);
        game->LetterPress('B' - 'A', game->wordNumber() - 1);
        QCOMPARE(screen.hidden + QString::number(screen.on.count()), QString("***26"));
    }

    // Over many words every position of the list comes once before the list starts
    // again, the last line too, and no word comes twice in a row.
    void everyWordComesOnceARound_data()
    {
        QTest::addColumn<ContentVariant>("variant");
        QTest::addColumn<QString>("own");
        QTest::newRow("British") << ContentVariant::British << "Aubergine";
        QTest::newRow("American") << ContentVariant::American << "Eggplant";
    }
    void everyWordComesOnceARound()
    {
        QFETCH(ContentVariant, variant);
        QFETCH(QString, own);
        constexpr int kCount = 157;
        screen.scriptedDraws = {0.9999999}; // the last line
        PicturesAndWordsGame game(screen);
        game.Begin(variant);
        QCOMPARE(game.word(), QString("Zucchini"));
        QStringList words{game.word()};
        QList<qint32> round{game.wordPosition()};
        while (words.size() < 4 * kCount) {
            game.NewGame();
            QVERIFY(game.word() != words.last());
            words << game.word();
            round << game.wordPosition();
            if (round.size() < kCount)
                continue;
            std::sort(round.begin(), round.end());
            for (int p = 1; p <= kCount; ++p)
                QCOMPARE(round.at(p - 1), p);
            round.clear();
        }
        QCOMPARE(words.count(own), 4);
    }

    // A list without a word leaves an empty board: no word, no picture, no letter to
    // press, nothing to hear; a list of one word gives it every time.
    void aListWithoutWords_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("word");
        QTest::newRow("missing") << QByteArray() << "";
        QTest::newRow("blank lines only") << QByteArray("\r\n  \r\n\r\n") << "";
        QTest::newRow("one word among blanks") << QByteArray("\r\nOx\r\n \r\n") << "Ox";
    }
    void aListWithoutWords()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, word);
        const auto game = gameOn(lines, "AB");
        game->NewGame();
        game->WordHear();
        QCOMPARE(game->word(), word);
        QCOMPARE(screen.picture, word.toUpper());
        QCOMPARE(int(screen.on.count()), word.isEmpty() ? 0 : 26);
        QCOMPARE(screen.log.last(), word.isEmpty() ? "meter -1" : "say Ox");
    }
};

QTEST_GUILESS_MAIN(TestPicturesAndWordsGame)
#include "tst_picwordsgame.moc"
