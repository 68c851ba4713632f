// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/alphabet/alphabetbook.h"
#include "support/testseam.h"

#include <QTest>

using namespace lxp;

Q_DECLARE_METATYPE(lxp::ContentVariant)

namespace {

// Stands in for the alphabet screen: keeps what is shown and notes what is said.
class FakeAlphabetScreen : public AlphabetScreen {
public:
    QString title, rest, picture, counter;
    std::array<QString, 3> sentences;
    QStringList said;

    // "letter|rest|counter|picture"
    QString shown() const { return QStringList{title, rest, counter, picture}.join('|'); }
    void TitleSet(const QString& header) override { title = header; }
    void RestSet(const QString& text) override { rest = text; }
    void PictureShow(const QString& name) override { picture = name; }
    void SentencesSet(const std::array<QString, 3>& text) override { sentences = text; }
    void CounterSet(const QString& text) override { counter = text; }
    bool LetterSay(const QString& letter) override { return (said << "letter " + letter, true); }
    bool WordSay(const QString& word) override { return (said << word, true); }
};

// The learner's steps: a capital is that letter's button, < back, > next, ! speaker;
// @ the lesson opened again.
void play(AlphabetBook& book, const QString& steps)
{
    for (const QChar step : steps) {
        if (step == '<')
            book.BackClick();
        else if (step == '>')
            book.NextClick();
        else if (step == '!')
            book.HelpClick();
        else if (step == '@')
            book.Load();
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
    // The shipped letter tables are read from the source tree, not the resource table.
    void init()
    {
        seam = std::make_unique<TestSeam>();
        seam->useShippedTables({"US_INF", "ENG_INF"});
        screen = FakeAlphabetScreen();
    }
    void cleanup() { seam.reset(); }

    void stepsShowAndSay_data()
    {
        QTest::addColumn<ContentVariant>("variant");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("said"); // by the last step
        const auto GB = ContentVariant::British, US = ContentVariant::American;
        const auto row = [](const char* name, ContentVariant variant, const char* steps,
                            const char* shown, const char* said) {
            QTest::newRow(name) << variant << QString(steps) << QString(shown) << QString(said);
        };
        row("British A", GB, "A", "A|irplane|1 of 5|AIRPLANE", "letter A,Airplane");
        row("British back from A", GB, "A<", "A|utumn|5 of 5|AUTUMN", "Autumn");
        row("next on the last", US, "A<>", "A|irplane|1 of 4|AIRPLANE", "Airplane");
        row("back twice", GB, "B<<", "B|rown Bag|12 of 13|BROWNBAG", "Brown Bag");
        row("X ray", GB, "X", "X| ray|1 of 2|XRAY", "letter X,X ray");
        row("Ice cream", US, "I>>", "I|ce cream|3 of 5|ICECREAM", "Ice cream");
        row("speaker", GB, "K>>>>!", "K|nife and Fork|5 of 7|KNIFEANDFORK", "Knife and Fork");
        row("a letter at its first", US, "Z<Y", "Y|acht|1 of 4|YACHT", "letter Y,Yacht");
        row("opened again after K 4", GB, "K>>>@", "A|irplane|1 of 5|AIRPLANE", "");
    }
    void stepsShowAndSay()
    {
        QFETCH(ContentVariant, variant);
        QFETCH(QString, steps);
        AlphabetBook book(screen);
        book.setContentVariant(variant);
        play(book, steps.chopped(1));
        screen.said.clear();
        play(book, steps.right(1));
        QTEST(screen.shown(), "shown");
        QTEST(screen.said.join(','), "said");
        if (steps == "X")
            QCOMPARE(screen.sentences[1], QString("You go to hospital for an X ray."));
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
        QCOMPARE(screen.shown() + screen.said.join(','), before.shown());
        QCOMPARE(screen.sentences, before.sentences);
        book.NextClick(); // the book goes on with the letter it had
        QCOMPARE(screen.shown(), QString("B|ear|1 of 2|BEAR"));
    }
};

QTEST_MAIN(TestAlphabetBook)
#include "tst_alphabetbook.moc"
