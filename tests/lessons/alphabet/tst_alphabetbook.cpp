// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/alphabet/alphabetbook.h"
#include "support/testseam.h"

#include <QFile>
#include <QTest>

using namespace lxp;

Q_DECLARE_METATYPE(lxp::ContentVariant)

namespace {

// Stands in for the alphabet screen: keeps what is shown, notes what is said, and can
// close the lesson during one of the sounds.
class FakeAlphabetScreen : public AlphabetScreen {
public:
    QString title, rest, picture, counter;
    std::array<QString, 3> sentences;
    QStringList said;
    QString closesDuring;

    void TitleSet(const QString& header) override { title = header; }
    void RestSet(const QString& text) override { rest = text; }
    void PictureShow(const QString& name) override { picture = name; }
    void SentencesSet(const std::array<QString, 3>& text) override { sentences = text; }
    void CounterSet(const QString& text) override { counter = text; }
    bool LetterSay(const QString& letter) override { return say("letter " + letter); }
    bool WordSay(const QString& word) override { return say(word); }

private:
    bool open = true;
    bool say(const QString& what)
    {
        if (!open)
            said << "after closing: " + what;
        else
            said << what;
        open = open && what != closesDuring;
        return open;
    }
};

// Steps of the learner: a capital is that letter's button, < back, > next, ! speaker.
void play(AlphabetBook& book, const QString& steps)
{
    for (const QChar step : steps) {
        if (step == '<')
            book.BackClick();
        else if (step == '>')
            book.NextClick();
        else if (step == '!')
            book.HelpClick();
        else
            book.LetterClick(QString(step));
    }
}

} // namespace

class TestAlphabetBook : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;
    FakeAlphabetScreen screen;

private slots:
    // The rules are tested without the program's resource table: the shipped letter
    // tables are read from the source tree.
    void init()
    {
        seam = std::make_unique<TestSeam>();
        for (const char* table : {"US_INF", "ENG_INF"}) {
            QFile file(QStringLiteral(LEXIPOND_SOURCE_DIR "/resources/DATA/%1.txt").arg(table));
            QVERIFY(file.open(QIODevice::ReadOnly));
            seam->setResource("DATA", table, file.readAll());
        }
        screen = FakeAlphabetScreen();
    }
    void cleanup() { seam.reset(); }

    void stepsShowAndSay_data()
    {
        QTest::addColumn<ContentVariant>("variant");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("said"); // by the last step
        const auto British = ContentVariant::British;
        const auto American = ContentVariant::American;
        QTest::newRow("British A") << British << "A"
                                   << "A"
                                   << "irplane"
                                   << "1 of 5"
                                   << "AIRPLANE" << QStringList{"letter A", "Airplane"};
        QTest::newRow("British back from A") << British << "A<"
                                             << "A"
                                             << "utumn"
                                             << "5 of 5"
                                             << "AUTUMN" << QStringList{"Autumn"};
        QTest::newRow("American back from A") << American << "A<"
                                              << "A"
                                              << "utumn"
                                              << "4 of 4"
                                              << "AUTUMN" << QStringList{"Autumn"};
        QTest::newRow("next on the last is the first") << American << "A<>"
                                                       << "A"
                                                       << "irplane"
                                                       << "1 of 4"
                                                       << "AIRPLANE" << QStringList{"Airplane"};
        QTest::newRow("back then back") << British << "B<<"
                                        << "B"
                                        << "rown Bag"
                                        << "12 of 13"
                                        << "BROWNBAG" << QStringList{"Brown Bag"};
        QTest::newRow("X ray") << British << "X"
                               << "X"
                               << " ray"
                               << "1 of 2"
                               << "XRAY" << QStringList{"letter X", "X ray"};
        QTest::newRow("Ice cream") << American << "I>>"
                                   << "I"
                                   << "ce cream"
                                   << "3 of 5"
                                   << "ICECREAM" << QStringList{"Ice cream"};
        QTest::newRow("speaker says the word, not the letter")
            << British << "K>>>>!"
            << "K"
            << "nife and Fork"
            << "5 of 7"
            << "KNIFEANDFORK" << QStringList{"Knife and Fork"};
        QTest::newRow("a letter starts at its first word")
            << American << "Z<Y"
            << "Y"
            << "acht"
            << "1 of 4"
            << "YACHT" << QStringList{"letter Y", "Yacht"};
    }
    void stepsShowAndSay()
    {
        QFETCH(ContentVariant, variant);
        QFETCH(QString, steps);
        AlphabetBook book(screen);
        book.setContentVariant(variant);
        book.Load();
        play(book, steps.chopped(1));
        screen.said.clear();
        play(book, steps.right(1));
        QTEST(screen.title, "title");
        QTEST(screen.rest, "rest");
        QTEST(screen.counter, "counter");
        QTEST(screen.picture, "picture");
        QTEST(screen.said, "said");
    }

    // The letter's sentences come with its word, in order.
    void sentencesBelongToTheWord()
    {
        AlphabetBook book(screen);
        book.setContentVariant(ContentVariant::British);
        play(book, "X>");
        QCOMPARE(screen.sentences, (std::array<QString, 3>{"A Xylophone is a musical instrument.",
                                                           "A Xylophone has a row of bars.",
                                                           "You hit the bars with small sticks."}));
    }

    void aLetterNotInTheTableChangesNothing_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::newRow("small letter") << "a";
        QTest::newRow("letter whose block is missing") << "C";
    }
    void aLetterNotInTheTableChangesNothing()
    {
        QFETCH(QString, letter);
        seam->setResource("DATA", "US_INF",
                          "A\r\n1\r\nApple\r\ns1\r\ns2\r\ns3\r\n"
                          "B\r\n2\r\nBear\r\nb1\r\nb2\r\nb3\r\nBus\r\nu1\r\nu2\r\nu3\r\n");
        AlphabetBook book(screen);
        play(book, "B>");
        const FakeAlphabetScreen before = screen;
        screen.said.clear();
        book.LetterClick(letter);
        QCOMPARE(screen.said, QStringList());
        QCOMPARE(screen.title + screen.rest + screen.counter + screen.picture,
                 before.title + before.rest + before.counter + before.picture);
        QCOMPARE(screen.sentences, before.sentences);
        QCOMPARE(book.letter() + QString::number(book.entry()) + QString::number(book.itemCount()),
                 QString("B22"));
        book.NextClick(); // and the book goes on with the letter it had
        QCOMPARE(screen.rest, QString("ear"));
    }

    // Reopening after leaving at K 4 shows A 1 without a sound.
    void reopensAtTheFirstWordOfA()
    {
        AlphabetBook book(screen);
        book.setContentVariant(ContentVariant::British);
        play(book, "K>>>");
        QCOMPARE(book.entry(), 4);
        screen.said.clear();
        book.Load();
        QCOMPARE(book.letter(), QString("A"));
        QCOMPARE(book.entry(), 1);
        QCOMPARE(screen.title + screen.rest + " " + screen.counter, QString("Airplane 1 of 5"));
        QCOMPARE(screen.said, QStringList());
    }

    // A lesson that closes while the letter is spoken says nothing more.
    void aClosedLessonSaysNothingMore()
    {
        AlphabetBook book(screen);
        screen.closesDuring = "letter M";
        book.LetterClick("M");
        QCOMPARE(screen.said, QStringList{"letter M"});
    }
};

QTEST_MAIN(TestAlphabetBook)
#include "tst_alphabetbook.moc"
