// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/contenttables.h"
#include "content/wordresourcename.h"
#include "lessons/words/wordscategories.h"
#include "lessons/words/wordsquiz.h"
#include "support/testseam.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <numeric>
#include <random>

using namespace lxp;

Q_DECLARE_METATYPE(lxp::ContentVariant)

namespace {

// Stands in for the quiz screen: keeps what the quiz shows, notes its sounds, dialogs
// and timer, and closes during the step named in `closesDuring`.
class FakeQuizScreen : public WordsQuizScreen {
public:
    QStringList log;
    QString picture, position, closesDuring;
    std::array<QString, WordsQuiz::kChoices> captions;
    QList<qint32> gauge;

    double RandomDraw() override { return std::uniform_real_distribution<double>()(m_generator); }
    void WordPictureShow(const QString& name) override { picture = name; }
    void PositionShow(qint32 n, qint32 count) override
    {
        position = QString("%1/%2").arg(n).arg(count);
    }
    void ChoiceShow(int b, const QString& word) override { captions.at(size_t(b)) = word; }
    void GaugeShow(qint32 score) override { gauge << score; }
    bool CorrectAnswerPrepare(const QString& text) override { return step("right: " + text); }
    bool CorrectAnswerShow() override { return step("right shown"); }
    bool TenInARowShow() override { return step("ten"); }
    bool WrongAnswerShow(const QString& text) override { return step("wrong: " + text); }
    bool WordSay(const QString& word) override { return step("say " + word); }
    void WordTimerStart() override { log << "timer on"; }
    void WordTimerStop() override { log << "timer off"; }

private:
    bool m_open = true;
    std::mt19937_64 m_generator{20261208};

    bool step(const QString& what)
    {
        log << what;
        m_open = m_open && (closesDuring.isEmpty() || !what.startsWith(closesDuring));
        return m_open;
    }
};

int rightButton(const WordsQuiz& quiz)
{
    for (int b = 0; b < WordsQuiz::kChoices; ++b)
        if (quiz.choice(b) == quiz.word())
            return b;
    return -1;
}

} // namespace

class TestWordsQuiz : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSeam> seam;
    FakeQuizScreen screen;

    // The screen shows the quiz's choices: `filled` different words of the category,
    // the word on show among them, then empty buttons; and the word's photograph.
    void checkDeal(const WordsQuiz& quiz, int filled)
    {
        QSet<QString> seen;
        for (int b = 0; b < WordsQuiz::kChoices; ++b) {
            QCOMPARE(screen.captions.at(size_t(b)), quiz.choice(b));
            QCOMPARE(quiz.choice(b).isEmpty(), b >= filled);
            QVERIFY(b >= filled || quiz.words().contains(quiz.choice(b)));
            seen.insert(quiz.choice(b));
        }
        QCOMPARE(seen.size() - (filled < WordsQuiz::kChoices ? 1 : 0), filled);
        QVERIFY(filled == 0 || rightButton(quiz) >= 0);
        QCOMPARE(screen.picture, WordResourceName(quiz.word()));
    }

private slots:
    // No resource table: the shipped category tables are read from the source tree.
    void init()
    {
        seam = std::make_unique<TestSeam>();
        seam->useShippedTables({"US_WRDS", "ENG_WRDS"});
        screen = FakeQuizScreen();
    }
    void cleanup() { seam.reset(); }

    // Every word of every category comes up, the last one too, at an opening and on
    // Next, never twice in a row; every word, the first one too, is dealt as a wrong
    // choice; the right one lies on each button as often.
    void everyWordIsAskedAndDealt_data()
    {
        QTest::addColumn<ContentVariant>("variant");
        QTest::addColumn<QStringList>("spelled");
        QTest::newRow("British") << ContentVariant::British
                                 << QStringList{"Chilli", "Courgette", "Zoo", "Xylophone"};
        QTest::newRow("American") << ContentVariant::American
                                  << QStringList{"Chili", "Zucchini", "Zoo", "Xylophone"};
    }
    void everyWordIsAskedAndDealt()
    {
        QFETCH(ContentVariant, variant);
        QFETCH(QStringList, spelled);
        WordsQuiz quiz(screen);
        QSet<QString> askedEverywhere;
        std::array<int, WordsQuiz::kChoices> onButton{}; // where the word on show lies
        for (const WordsCategory& category : kWordsCategories) {
            const QString key = CategoryKey(category);
            const QStringList words =
                CategoryWordsList(key, CategoryWordRead(key, 1, variant).count, variant).words;
            const QSet<QString> all(words.begin(), words.end());
            QSet<QString> first, asked, dealtWrong;
            for (int opening = 0; opening < 20 * words.size(); ++opening) {
                quiz.Start(key, variant);
                first.insert(quiz.word());
            }
            QCOMPARE(first, all);
            for (int next = 0; next < 40 * words.size(); ++next) {
                checkDeal(quiz, WordsQuiz::kChoices);
                QCOMPARE(screen.position,
                         QString("%1/%2").arg(quiz.wordNumber()).arg(words.size()));
                QCOMPARE(quiz.word(), words.at(quiz.wordNumber() - 1));
                asked.insert(quiz.word());
                ++onButton.at(size_t(rightButton(quiz)));
                for (int b = 0; b < WordsQuiz::kChoices; ++b)
                    if (b != rightButton(quiz))
                        dealtWrong.insert(quiz.choice(b));
                const qint32 before = quiz.wordNumber();
                quiz.WordNext();
                QVERIFY2(quiz.wordNumber() != before, qPrintable(key));
            }
            QCOMPARE(asked, all);
            QCOMPARE(dealtWrong, all);
            askedEverywhere += asked;
        }
        for (const QString& word : spelled)
            QVERIFY2(askedEverywhere.contains(word), qPrintable(word));
        QCOMPARE(screen.log, QStringList());
        // On each button as often: chi-square below its p = 0.001 bound for 4 degrees.
        const double deals = std::accumulate(onButton.begin(), onButton.end(), 0.0);
        double chiSquare = 0;
        for (const int count : onButton)
            chiSquare += std::pow(count - deals / 5, 2) / (deals / 5);
        QVERIFY2(chiSquare < 18.47, qPrintable(QString::number(chiSquare)));
    }

    // A wrong answer puts the count and the gauge back to 0 and leaves the picture and
    // choices. A right one: its dialog, the word said by the timer (the answered one,
    // though the next word is on show by then), the gauge up one; the tenth in a row
    // the ten dialog and the count from 0. The count lives on to the next opening.
    void rightAndWrongAnswers()
    {
        WordsQuiz quiz(screen);
        quiz.Start("PETS", ContentVariant::American);
        QCOMPARE(screen.gauge, QList<qint32>{0});
        for (int i = 0; i < 3; ++i)
            quiz.ChoiceClick(rightButton(quiz));
        const auto shown = std::tuple(screen.captions, screen.picture, screen.position);
        screen.log.clear();
        quiz.ChoiceClick((rightButton(quiz) + 1) % WordsQuiz::kChoices);
        QCOMPARE(screen.log, QStringList{"wrong: You have not found the correct one"});
        QCOMPARE(quiz.score(), 0);
        QCOMPARE(screen.gauge.last(), 0);
        QVERIFY(std::tuple(screen.captions, screen.picture, screen.position) == shown);
        for (int i = 1; i <= WordsQuiz::kScoreGoal + 2; ++i) {
            const QString word = quiz.word();
            screen.log.clear();
            screen.gauge.clear();
            quiz.ChoiceClick(rightButton(quiz));
            quiz.WordTimerFired();
            const bool ten = i == WordsQuiz::kScoreGoal;
            QCOMPARE(screen.log,
                     QStringList({"right: You found " + word, "timer on", "right shown"}) +
                         (ten ? QStringList{"ten"} : QStringList()) +
                         QStringList({"timer off", "say " + word}));
            QCOMPARE(screen.gauge,
                     (ten ? QList<qint32>{i, 0} : QList<qint32>{i % WordsQuiz::kScoreGoal}));
            QCOMPARE(quiz.score(), i % WordsQuiz::kScoreGoal);
            QVERIFY(quiz.word() != word);
        }
        screen.gauge.clear();
        quiz.Start("SPORTS", ContentVariant::British);
        QCOMPARE(screen.gauge, QList<qint32>{2});
        quiz.ChoiceClick(rightButton(quiz));
        QCOMPARE(quiz.score(), 3);
    }

    // Tables that cannot fill five buttons deal what they hold and leave the other
    // buttons empty; without a word the quiz is empty and nothing answers.
    void smallAndBrokenTables_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("filled");
        QTest::newRow("three words")
            << QByteArray("SPORTS\r\n3\r\nGolf\r\nJudo\r\nSki\r\n") << 3 << 3;
        QTest::newRow("a word twice")
            << QByteArray("SPORTS\r\n6\r\nGolf\r\nGolf\r\nJudo\r\nSki\r\nRun\r\nSwim\r\n") << 6
            << 5;
        QTest::newRow("count beyond the end")
            << QByteArray("SPORTS\r\n40\r\nGolf\r\nJudo\r\n") << 2 << 2;
        QTest::newRow("count not a number") << QByteArray("SPORTS\r\nmany\r\nGolf\r\n") << 0 << 0;
        QTest::newRow("unknown key") << QByteArray("GOLF\r\n2\r\nPutt\r\nTee\r\n") << 0 << 0;
        QTest::newRow("no table") << QByteArray() << 0 << 0;
    }
    void smallAndBrokenTables()
    {
        QFETCH(QByteArray, table);
        QFETCH(int, words);
        QFETCH(int, filled);
        seam->setResource("DATA", "US_WRDS", table);
        WordsQuiz quiz(screen);
        quiz.Start("SPORTS", ContentVariant::American);
        for (int next = 0; next < 30; ++next) {
            QCOMPARE(int(quiz.wordCount()), words);
            checkDeal(quiz, filled);
            const qint32 before = quiz.wordNumber();
            quiz.WordNext();
            QVERIFY(words < 2 || quiz.wordNumber() != before);
        }
        if (words > 0)
            return;
        QCOMPARE(screen.position, QString("0/0"));
        for (int b = 0; b < WordsQuiz::kChoices; ++b)
            quiz.ChoiceClick(b);
        QVERIFY(quiz.WordSay());
        QCOMPARE(screen.log, QStringList());
    }

    // The quiz closes while a right answer's dialog is prepared or shown, or during
    // the ten dialog: the step ends there, and the count never stays at ten.
    void aClosedQuizEndsTheStep_data()
    {
        QTest::addColumn<QString>("closesDuring");
        QTest::addColumn<int>("score");
        QTest::newRow("preparing the right dialog") << "right: " << 9;
        QTest::newRow("the right dialog") << "right shown" << 9;
        QTest::newRow("the ten dialog") << "ten" << 0;
    }
    void aClosedQuizEndsTheStep()
    {
        QFETCH(QString, closesDuring);
        QFETCH(int, score);
        WordsQuiz quiz(screen);
        quiz.Start("NATURAL", ContentVariant::British);
        for (int i = 0; i < 9; ++i)
            quiz.ChoiceClick(rightButton(quiz));
        const QString word = quiz.word();
        screen.gauge.clear();
        screen.closesDuring = closesDuring;
        quiz.ChoiceClick(rightButton(quiz));
        QVERIFY(screen.log.last().startsWith(closesDuring));
        QCOMPARE(quiz.word(), word);
        QCOMPARE(quiz.score(), score);
        QCOMPARE(screen.gauge.size(), closesDuring == "ten" ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestWordsQuiz)
#include "tst_wordsquiz.moc"
