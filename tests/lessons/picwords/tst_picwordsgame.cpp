// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sharedstate.h"
#include "lessons/picwords/picwordsgame.h"
#include "support/testseam.h"

#include <QColor>
#include <QFile>
#include <QTest>

#include <functional>
#include <random>

using namespace lxp;

Q_DECLARE_METATYPE(lxp::ContentVariant)

namespace {

// Stands in for the pictures-and-words screen: keeps what the game shows and notes
// its sounds, dialogs and timer (and the meter's moves, when asked).
class FakeScreen : public PicturesAndWordsScreen {
public:
    static constexpr int kInnerHeight = 100;
    QStringList log;
    bool meterNoted = false;
    QString hidden, picture;
    std::array<bool, PicturesAndWordsGame::kLetters> enabled{};
    int coverTop = 0;
    QColor colour;
    // The sound or dialog during which the lesson closes.
    QString closesDuring;
    // Runs while "BUTTON" plays.
    std::function<void()> duringSound;
    QList<double> scriptedDraws;

    double RandomDraw() override
    {
        return scriptedDraws.isEmpty()
                   ? std::uniform_real_distribution<double>(0.0, 1.0)(m_generator)
                   : scriptedDraws.takeFirst();
    }
    void WordPictureShow(const QString& name) override { picture = name; }
    void HiddenWordShow(const QString& text) override { hidden = text; }
    void LetterButtonEnable(int i, bool on) override { enabled.at(size_t(i)) = on; }
    int MeterInnerHeight() const override { return kInnerHeight; }
    void MeterShow(int top, const QColor& c) override
    {
        coverTop = top;
        colour = c;
        if (meterNoted)
            log << QString("meter %1").arg(top);
    }
    bool GoodLetterSound() override
    {
        if (duringSound)
            std::exchange(duringSound, nullptr)();
        return step("BUTTON");
    }
    bool WordSay(const QString& word) override { return step("say " + word); }
    bool CorrectAnswerPrepare(const QString& text) override { return step("correct: " + text); }
    bool CorrectAnswerShow() override { return step("correct shown"); }
    // The meter as it stands under the dialog.
    bool WrongAnswerShow(const QString& text) override
    {
        return step(QString("wrong: %1, meter %2 %3").arg(text).arg(coverTop).arg(colour.name()));
    }
    void WordTimerStart() override { log << "timer on"; }
    void WordTimerStop() override { log << "timer off"; }

private:
    bool open = true;
    std::mt19937_64 m_generator{20261208};
    bool step(const QString& what)
    {
        log << what;
        open = open && (closesDuring.isEmpty() || !what.startsWith(closesDuring));
        return open;
    }
};

int letter(char c)
{
    return QChar(c).toUpper().unicode() - 'A';
}

} // namespace

class TestPicturesAndWordsGame : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;
    FakeScreen screen;

    // The American list holds these lines only.
    void listOf(const QByteArray& lines) { seam->setResource("DATA", "US_PICANDWORDS", lines); }
    static void press(PicturesAndWordsGame& game, const QByteArray& letters)
    {
        for (const char c : letters)
            game.LetterPress(letter(c), game.wordNumber());
    }
    int enabledLetters() const
    {
        return int(std::count(screen.enabled.begin(), screen.enabled.end(), true));
    }

private slots:
    // The shipped lists are read from the source tree, not the program's resources.
    void init()
    {
        seam = std::make_unique<TestSeam>();
        for (const char* table : {"US_PICANDWORDS", "ENG_PICANDWORDS"}) {
            QFile file(QStringLiteral(LEXIPOND_SOURCE_DIR "/resources/DATA/%1.txt").arg(table));
            QVERIFY(file.open(QIODevice::ReadOnly));
            seam->setResource("DATA", table, file.readAll());
        }
        screen = FakeScreen();
    }
    void cleanup() { seam.reset(); }

    void lettersUncoverEveryPlaceInTheWordsOwnCase_data()
    {
        QTest::addColumn<QByteArray>("letters");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("sounds");
        QTest::addColumn<int>("enabled");
        QTest::newRow("none") << QByteArray() << "*** *****" << 0 << 0 << 26;
        QTest::newRow("C, small and capital") << QByteArray("C") << "*c* C****" << 0 << 1 << 25;
        QTest::newRow("i then E") << QByteArray("iE") << "I*e **e**" << 0 << 2 << 24;
        QTest::newRow("wrong ones") << QByteArray("CZQ") << "*c* C****" << 2 << 1 << 23;
        QTest::newRow("pressed again, counted once")
            << QByteArray("ZZzc") << "*c* C****" << 1 << 1 << 24;
    }
    void lettersUncoverEveryPlaceInTheWordsOwnCase()
    {
        QFETCH(QByteArray, letters);
        QFETCH(QString, hidden);
        QFETCH(int, wrong);
        QFETCH(int, sounds);
        QFETCH(int, enabled);
        listOf("Ice Cream\r\n");
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        QCOMPARE(screen.picture, QString("ICECREAM"));
        QCOMPARE(shared().currentWord, QString("Ice Cream"));
        press(game, letters);
        QCOMPARE(screen.hidden, hidden);
        QCOMPARE(game.wrongGuesses(), wrong);
        QCOMPARE(screen.log.count("BUTTON"), sounds);
        QCOMPARE(enabledLetters(), enabled);
    }

    // n wrong letters, then a good one: the cover a tenth lower for each wrong one, the
    // colour of the table, "BUTTON" for the good letter only.
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
        listOf("Ox\r\n");
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        QCOMPARE(screen.coverTop, PicturesAndWordsGame::kCoverAtStart);
        press(game, QByteArray("ABCDEFGHIJ").left(wrong) + "O");
        QCOMPARE(game.wrongGuesses(), wrong);
        QCOMPARE(screen.coverTop, wrong * FakeScreen::kInnerHeight / 10);
        QCOMPARE(screen.colour, colour);
        QCOMPARE(screen.log, QStringList{"BUTTON"});
    }

    // The last letter wins: the dialog with the word, no "BUTTON", no meter step, and
    // the next word at once. The timer speaks the won word, though the dialog closed at
    // once and the next word shows, and speaks it only once.
    void aWordWon()
    {
        listOf("Ox\r\nBee\r\n");
        screen.scriptedDraws = {0.0};
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        press(game, "AXR");
        screen.log.clear();
        screen.meterNoted = true;
        press(game, "o");
        QCOMPARE(screen.log, QStringList({"correct: The word was Ox", "timer on", "correct shown",
                                          "meter -1"}));
        QCOMPARE(game.word(), QString("Bee"));
        QCOMPARE(screen.hidden, QString("***"));
        QCOMPARE(game.wrongGuesses(), 0);
        QCOMPARE(enabledLetters(), 26);
        game.WordTimerFired();
        game.WordTimerFired();
        QCOMPARE(screen.log.mid(4), QStringList({"timer off", "say Ox", "timer off"}));
    }

    // The tenth wrong letter: the whole meter red under the dialog; afterwards a new
    // word with no wrong letters and every letter enabled.
    void aWordLostAtTheTenthWrongLetter()
    {
        listOf("Ox\r\n");
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        press(game, "ABCDEFGHI");
        QVERIFY(screen.log.isEmpty());
        press(game, "J");
        QCOMPARE(screen.log, QStringList{"wrong: The word was Ox, meter 100 #ff0000"});
        QCOMPARE(game.wrongGuesses(), 0);
        QCOMPARE(enabledLetters(), 26);
        QCOMPARE(screen.hidden, QString("**"));
        QCOMPARE(screen.coverTop, PicturesAndWordsGame::kCoverAtStart);
    }

    // Letters pressed while "BUTTON" plays wait until the letter before has been
    // applied to the end, and count only for the word they were pressed for.
    void lettersPressedDuringTheSoundWaitTheirTurn_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("during");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<int>("wrong");
        QTest::newRow("a wrong letter")
            << QByteArray() << QByteArray("A") << QStringList{"BUTTON", "meter 0", "meter 10"} << 1;
        QTest::newRow("the winning letter, then one of the word that is over")
            << QByteArray("ON") << QByteArray("XA")
            << QStringList{"BUTTON",   "meter 0",       "correct: The word was Oxen",
                           "timer on", "correct shown", "meter -1"}
            << 0;
        QTest::newRow("two wrong letters after nine")
            << QByteArray("ABCDFGHIJ") << QByteArray("KL")
            << QStringList{"BUTTON", "meter 90", "meter 100",
                           "wrong: The word was Oxen, meter 100 #ff0000", "meter -1"}
            << 0;
    }
    void lettersPressedDuringTheSoundWaitTheirTurn()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, during);
        QFETCH(QStringList, log);
        QFETCH(int, wrong);
        listOf("Oxen\r\nAnt\r\n");
        screen.scriptedDraws = {0.0};
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        press(game, before);
        screen.log.clear();
        screen.meterNoted = true;
        const quint64 word = game.wordNumber();
        screen.duringSound = [&] {
            for (const char c : during)
                game.LetterPress(letter(c), word);
        };
        game.LetterPress(letter('E'), word);
        QCOMPARE(screen.log, log);
        QCOMPARE(game.wrongGuesses(), wrong);
        if (wrong == 0) {
            QCOMPARE(game.word(), QString("Ant"));
            QCOMPARE(enabledLetters(), 26);
        }
        // A letter of the word before never counts.
        game.LetterPress(letter('Q'), game.wordNumber() - 1);
        QCOMPARE(game.wrongGuesses(), wrong);
    }

    // Over many words: every position of the list comes once before the list starts
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
        // A draw just below 1 gives the last line.
        screen.scriptedDraws = {0.9999999};
        PicturesAndWordsGame game(screen);
        game.Begin(variant);
        QCOMPARE(game.word(), QString("Zucchini"));
        QStringList words{game.word()};
        QList<qint32> round{game.wordPosition()};
        for (int i = 1; i < 4 * kCount; ++i) {
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
    // press; a list with one word gives it every time.
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
        listOf(lines);
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(game.word(), word);
            QCOMPARE(enabledLetters(), word.isEmpty() ? 0 : 26);
            QCOMPARE(screen.picture, word.toUpper());
            game.NewGame();
        }
        press(game, "AB");
        game.WordHear();
        QCOMPARE(game.wrongGuesses(), word.isEmpty() ? 0 : 2);
        QCOMPARE(screen.log, word.isEmpty() ? QStringList() : QStringList{"say Ox"});
    }

    // The lesson closes during a sound or a dialog: the game does nothing more, and the
    // letters that waited are dropped.
    void aClosedLessonEndsTheStep_data()
    {
        QTest::addColumn<QString>("closesDuring");
        QTest::addColumn<QByteArray>("letters");
        QTest::newRow("BUTTON") << "BUTTON" << QByteArray("O");
        QTest::newRow("the right answer's preparing") << "correct:" << QByteArray("OX");
        QTest::newRow("the right answer") << "correct shown" << QByteArray("OX");
        QTest::newRow("the wrong answer") << "wrong" << QByteArray("ABCDEFGHIJ");
    }
    void aClosedLessonEndsTheStep()
    {
        QFETCH(QString, closesDuring);
        QFETCH(QByteArray, letters);
        listOf("Ox\r\n");
        PicturesAndWordsGame game(screen);
        game.Begin(ContentVariant::American);
        const quint64 word = game.wordNumber();
        screen.closesDuring = closesDuring;
        if (closesDuring == "BUTTON")
            screen.duringSound = [&] { game.LetterPress(letter('Z'), word); };
        press(game, letters);
        QVERIFY(screen.log.last().startsWith(closesDuring));
        QCOMPARE(game.wordNumber(), word);
        QVERIFY(game.letterEnabled(letter('Z')));
    }
};

QTEST_GUILESS_MAIN(TestPicturesAndWordsGame)
#include "tst_picwordsgame.moc"
