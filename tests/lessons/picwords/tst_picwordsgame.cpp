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
    // counts once a word; "BUTTON" sounds for a letter found.
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
    }
    void lettersUncoverTheWord()
    {
        QFETCH(QByteArray, letters);
        QFETCH(QString, hidden);
        QFETCH(int, wrong);
        QFETCH(int, enabled);
        seam->setResource("DATA", "US_PICANDWORDS", "Ice Cream\r\n");
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        QCOMPARE(screen.picture, QString("ICECREAM"));
        QCOMPARE(shared().currentWord, QString("Ice Cream"));
        press(game, letters);
        QCOMPARE(screen.hidden, hidden);
        QCOMPARE(game.wrongGuesses(), wrong);
        QCOMPARE(screen.log.count("BUTTON"), 26 - enabled - wrong);
        QCOMPARE(int(screen.on.count()), enabled);
    }

    // n wrong letters, then a good one: the cover a tenth lower for each wrong one, the
    // colour of the table.
    void theMeterFollowsTheWrongLetters_data()
    {
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QColor>("colour");
        const QColor colours[] = {{0, 255, 0},     {0, 255, 0},    {171, 239, 80}, {236, 236, 83},
                                  {249, 245, 113}, {237, 209, 82}, {238, 187, 81}, {249, 129, 70},
                                  {248, 89, 71},   {255, 0, 0}};
        for (int n = 0; n < 10; ++n)
            QTest::addRow("%d wrong", n) << n << colours[n];
    }
    void theMeterFollowsTheWrongLetters()
    {
        QFETCH(int, wrong);
        QFETCH(QColor, colour);
        const auto game = gameOn("Ox\r\n", QByteArray("ABCDEFGHIJ").left(wrong) + "O");
        QCOMPARE(game->wrongGuesses(), wrong);
        QCOMPARE(screen.coverTop, wrong * 10);
        QCOMPARE(screen.colour, colour);
    }

    // The last letter: the dialog with the word, no "BUTTON", no meter step, the next
    // word at once. The timer speaks the won word, though the dialog closed at once and
    // the next word shows, and only once.
    void aWordWon()
    {
        screen.scriptedDraws = {0.0};
        const auto game = gameOn("Ox\r\nBee\r\n", "AX");
        press(*game, "o");
        game->WordTimerFired();
        game->WordTimerFired();
        QCOMPARE(screen.log, QStringList({"correct: The word was Ox", "timer on", "correct shown",
                                          "meter -1", "timer off", "say Ox", "timer off"}));
        QCOMPARE(screen.hidden, QString("***"));
        QCOMPARE(game->wrongGuesses(), 0);
        QCOMPARE(int(screen.on.count()), 26);
    }

    // The tenth wrong letter: the whole meter red under the dialog; afterwards a new
    // word with no wrong letters and every letter enabled.
    void aWordLostAtTheTenthWrongLetter()
    {
        const auto game = gameOn("Ox\r\n", "ABCDEFGHI");
        press(*game, "J");
        QCOMPARE(screen.log, QStringList({"meter 100", "wrong: The word was Ox, meter 100 #ff0000",
                                          "meter -1"}));
        QCOMPARE(game->wrongGuesses(), 0);
        QCOMPARE(int(screen.on.count()), 26);
        // A letter of the word before counts for nothing.
        game->LetterPress(0, game->wordNumber() - 1);
        QCOMPARE(int(screen.on.count()), 26);
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
