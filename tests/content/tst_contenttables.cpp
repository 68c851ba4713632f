// The content queries: on the shipped tables for the cases the lessons rely on, and
// on injected tables for every way a table can be broken.

#include "content/contenttables.h"
#include "content/wordresourcename.h"
#include "shell/sharedstate.h"
#include "support/testseam.h"

#include <QtTest>

using namespace lxp;

namespace {

QByteArray Crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace

class TestContentTables : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetShared();
        m_seam = std::make_unique<TestSeam>();
    }
    void cleanup() { m_seam.reset(); }

    void tableChoice_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("table");
        QTest::newRow("British") << "ENGLISH"
                                 << "ENG_INF";
        QTest::newRow("American") << "AMERICAN"
                                  << "US_INF";
        QTest::newRow("empty variant") << ""
                                       << "US_INF";
        QTest::newRow("lower case") << "english"
                                    << "US_INF";
        QTest::newRow("Korean") << "KOREAN"
                                << "US_INF";
    }
    void tableChoice() {
        QFETCH(QString, language);
        QFETCH(QString, table);
        shared().strLANGUAGE = language;
        QCOMPARE(ContentTableName(kLetterTable), table);
        const QStringList lines = ContentTableLoad(kLetterTable);
        QCOMPARE(lines.size(), 680);
        QCOMPARE(lines.first(), QStringLiteral("A"));
        QCOMPARE(lines.at(1), table == "ENG_INF" ? QStringLiteral("5") : QStringLiteral("4"));
    }

    void categoryWordRead_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("word"); // null: no word
        QTest::newRow("British vegetables") << "ENGLISH"
                                            << "VEGETABLES" << 1 << true << 15 << "Aubergine";
        QTest::newRow("American vegetables") << "AMERICAN"
                                             << "VEGETABLES" << 1 << true << 15 << "Broccoli";
        QTest::newRow("British sports 5") << "ENGLISH"
                                          << "SPORTS" << 5 << true << 10 << "Football";
        QTest::newRow("American sports 5") << "AMERICAN"
                                           << "SPORTS" << 5 << true << 10 << "Golf";
        QTest::newRow("last animal") << "ENGLISH"
                                     << "ANIMALS" << 31 << true << 31 << "Zoo";
        QTest::newRow("last block, last word") << "AMERICAN"
                                               << "VEGETABLES" << 15 << true << 15 << "Zucchini";
        QTest::newRow("colours key") << "ENGLISH"
                                     << "COLORS" << 1 << true << 17 << "Black shoe";
        QTest::newRow("position 0") << "ENGLISH"
                                    << "FRUIT" << 0 << true << 15 << QString();
        QTest::newRow("past the count") << "ENGLISH"
                                        << "FRUIT" << 16 << true << 15 << QString();
        QTest::newRow("negative") << "ENGLISH"
                                  << "FRUIT" << -1 << true << 15 << QString();
        QTest::newRow("key not upper case") << "ENGLISH"
                                            << "Animals" << 1 << false << 0 << QString();
        QTest::newRow("British spelling of key") << "ENGLISH"
                                                 << "COLOURS" << 1 << false << 0 << QString();
        QTest::newRow("empty key") << "ENGLISH"
                                   << "" << 1 << false << 0 << QString();
    }
    void categoryWordRead() {
        QFETCH(QString, language);
        QFETCH(QString, key);
        QFETCH(int, n);
        QFETCH(bool, found);
        QFETCH(int, count);
        QFETCH(QString, word);
        shared().strLANGUAGE = language;
        shared().lngITEMCOUNT = 99;
        const CategoryWord result = CategoryWordRead(key, n);
        QCOMPARE(result.found, found);
        QCOMPARE(result.count, count);
        QCOMPARE(result.hasWord, !word.isNull());
        QCOMPARE(result.word, word.isNull() ? QString() : word);
        QCOMPARE(shared().lngITEMCOUNT, found ? count : 99);
    }

    // The words lesson reads the count first and hands it to the list.
    void categoryWordsList() {
        shared().strLANGUAGE = QStringLiteral("AMERICAN");
        const CategoryWord first = CategoryWordRead(QStringLiteral("TRANSPORT"), 1);
        shared().lngITEMCOUNT = 0;
        const CategoryWords list = CategoryWordsList(QStringLiteral("TRANSPORT"), first.count);
        QVERIFY(list.found);
        QCOMPARE(shared().lngITEMCOUNT, 15);
        QCOMPARE(list.words.size(), 15);
        QCOMPARE(list.words.first(), QStringLiteral("Airplane"));
        QCOMPARE(list.words.at(10), QStringLiteral("Subway"));
        QCOMPARE(list.words.last(), QStringLiteral("Yacht"));

        // The count line is not looked at: the caller's count rules, and zero gives none.
        QCOMPARE(CategoryWordsList(QStringLiteral("PETS"), 3).words,
                 QStringList({"Cat", "Dog", "Fish"}));
        QCOMPARE(shared().lngITEMCOUNT, 3);
        QVERIFY(CategoryWordsList(QStringLiteral("PETS"), 0).words.isEmpty());
        QVERIFY(CategoryWordsList(QStringLiteral("PETS"), -4).words.isEmpty());

        shared().lngITEMCOUNT = 7;
        const CategoryWords missing = CategoryWordsList(QStringLiteral("Pets"), 10);
        QVERIFY(!missing.found);
        QVERIFY(missing.words.isEmpty());
        QCOMPARE(shared().lngITEMCOUNT, 7);
    }

    void letterWordRead_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("name"); // null: no entry
        QTest::newRow("British A 1") << "ENGLISH"
                                     << "A" << 1 << true << 5 << "Airplane";
        QTest::newRow("American A 1") << "AMERICAN"
                                      << "A" << 1 << true << 4 << "Airplane";
        QTest::newRow("British A 4") << "ENGLISH"
                                     << "A" << 4 << true << 5 << "Aubergine";
        QTest::newRow("American Z 4") << "AMERICAN"
                                      << "Z" << 4 << true << 4 << "Zucchini";
        QTest::newRow("British Z 4") << "ENGLISH"
                                     << "Z" << 4 << true << 3 << QString();
        QTest::newRow("British Z 3") << "ENGLISH"
                                     << "Z" << 3 << true << 3 << "Zoo";
        QTest::newRow("American E 5") << "AMERICAN"
                                      << "E" << 5 << true << 8 << "Eggplant";
        QTest::newRow("American S 10") << "AMERICAN"
                                       << "S" << 10 << true << 10 << "Sunset";
        QTest::newRow("British X 1") << "ENGLISH"
                                     << "X" << 1 << true << 2 << "X ray";
        QTest::newRow("position 0") << "ENGLISH"
                                    << "B" << 0 << true << 13 << QString();
        QTest::newRow("small letter") << "ENGLISH"
                                      << "a" << 1 << false << 0 << QString();
        QTest::newRow("letter with blanks") << "ENGLISH"
                                            << " A" << 1 << false << 0 << QString();
        QTest::newRow("not a letter") << "ENGLISH"
                                      << "AB" << 1 << false << 0 << QString();
    }
    void letterWordRead() {
        QFETCH(QString, language);
        QFETCH(QString, letter);
        QFETCH(int, n);
        QFETCH(bool, found);
        QFETCH(int, count);
        QFETCH(QString, name);
        shared().strLANGUAGE = language;
        shared().lngITEMCOUNT = 99;
        const LetterWord result = LetterWordRead(letter, n);
        QCOMPARE(result.found, found);
        QCOMPARE(result.header, found ? letter : QString());
        QCOMPARE(result.count, count);
        QCOMPARE(shared().lngITEMCOUNT, found ? count : 99);
        QCOMPARE(result.hasEntry, !name.isNull());
        QCOMPARE(result.name, name.isNull() ? QString() : name);
        for (const QString& sentence : result.sentences)
            QCOMPARE(sentence.isEmpty(), name.isNull());
    }

    void letterEntrySentences() {
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
        const LetterWord apple = LetterWordRead(QStringLiteral("A"), 3);
        QCOMPARE(apple.name, QStringLiteral("Apple"));
        QCOMPARE(apple.sentences[0], QStringLiteral("An Apple is a fruit."));
        QCOMPARE(apple.sentences[1], QStringLiteral("I like to eat an Apple for my lunch."));
        QCOMPARE(apple.sentences[2], QStringLiteral("There are red Apples and green Apples."));
        const LetterWord kiwi = LetterWordRead(QStringLiteral("K"), 4);
        QCOMPARE(kiwi.sentences[1], QStringLiteral("Kiwi Fruit are green in colour."));
        shared().strLANGUAGE = QStringLiteral("AMERICAN");
        QCOMPARE(LetterWordRead(QStringLiteral("K"), 4).sentences[1],
                 QStringLiteral("Kiwi Fruit are green in color."));
    }

    void pictureWords_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("British") << "ENGLISH";
        QTest::newRow("American") << "AMERICAN";
    }
    void pictureWords() {
        QFETCH(QString, language);
        shared().strLANGUAGE = language;
        shared().lngITEMCOUNT = 42;
        QCOMPARE(PictureWordCount(), 157);
        QCOMPARE(PictureWordRead(1).word, QStringLiteral("Airplane"));
        QCOMPARE(PictureWordRead(157).word, QStringLiteral("Zucchini"));
        QVERIFY(PictureWordRead(157).found);
        QVERIFY(!PictureWordRead(0).found);
        QVERIFY(!PictureWordRead(158).found);
        QVERIFY(!PictureWordRead(-1).found);
        QVERIFY(!PictureWordRead(std::numeric_limits<qint32>::max()).found);
        QCOMPARE(shared().lngITEMCOUNT, 42);
    }

    // Nothing is kept between queries: a change of variant or of the table itself
    // counts from the next query on.
    void tablesAreReadAfresh() {
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
        QCOMPARE(CategoryWordRead(QStringLiteral("SPORTS"), 5).word, QStringLiteral("Football"));
        shared().strLANGUAGE = QStringLiteral("AMERICAN");
        QCOMPARE(CategoryWordRead(QStringLiteral("SPORTS"), 5).word, QStringLiteral("Golf"));
        m_seam->setResource("DATA", "US_WRDS", Crlf({"SPORTS", "1", "Tennis"}));
        QCOMPARE(CategoryWordRead(QStringLiteral("SPORTS"), 1).word, QStringLiteral("Tennis"));
    }

    void missingTables_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("only a line end") << QByteArray("\r\n");
    }
    void missingTables() {
        QFETCH(QByteArray, bytes);
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
        for (const char* name : {"ENG_WRDS", "ENG_INF", "ENG_PICANDWORDS"})
            m_seam->setResource("DATA", name, bytes);
        shared().lngITEMCOUNT = 5;
        QVERIFY(!CategoryWordRead(QStringLiteral("FRUIT"), 1).found);
        QVERIFY(!CategoryWordsList(QStringLiteral("FRUIT"), 3).found);
        QVERIFY(!LetterWordRead(QStringLiteral("A"), 1).found);
        QCOMPARE(shared().lngITEMCOUNT, 5);
        QCOMPARE(PictureWordCount(), bytes.isEmpty() ? 0 : 1);
        QVERIFY(!PictureWordRead(2).found);
        QCOMPARE(ContentTableLoad(kWordsTable).size(), bytes.isEmpty() ? 0 : 1);
        // The American tables are untouched.
        shared().strLANGUAGE = QStringLiteral("AMERICAN");
        QVERIFY(CategoryWordRead(QStringLiteral("FRUIT"), 1).found);
    }

    // A count line that is not a signed 16-bit integer is not taken: the count stays
    // the one the caller held.
    void categoryCountLine_data() {
        QTest::addColumn<QString>("countLine");
        QTest::addColumn<int>("count"); // -1000: not taken
        QTest::newRow("plain") << "3" << 3;
        QTest::newRow("blanks around") << "  3 " << 3;
        QTest::newRow("plus sign") << "+3" << 3;
        QTest::newRow("leading zeros") << "003" << 3;
        QTest::newRow("fraction rounds down") << "2.4" << 2;
        QTest::newRow("half rounds to even") << "2.5" << 2;
        QTest::newRow("half rounds to even, up") << "3.5" << 4;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-2" << -2;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("too large") << "32768" << -1000;
        QTest::newRow("rounds past the largest") << "32767.5" << -1000;
        QTest::newRow("too small") << "-32769" << -1000;
        QTest::newRow("huge") << "99999999999999999999" << -1000;
        QTest::newRow("text") << "three" << -1000;
        QTest::newRow("trailing text") << "3 words" << -1000;
        QTest::newRow("only a sign") << "-" << -1000;
        QTest::newRow("only a point") << "." << -1000;
        QTest::newRow("exponent") << "1e2" << -1000;
        QTest::newRow("another key") << "FRUIT" << -1000;
    }
    void categoryCountLine() {
        QFETCH(QString, countLine);
        QFETCH(int, count);
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
        m_seam->setResource("DATA", "ENG_WRDS",
                            Crlf({"PETS", countLine, "Cat", "Dog", "Fish", "Hamster"}));
        const qint32 held = 2;
        const CategoryWord result = CategoryWordRead(QStringLiteral("PETS"), 2, held);
        const int expected = count == -1000 ? held : count;
        QVERIFY(result.found);
        QCOMPARE(result.count, expected);
        QCOMPARE(shared().lngITEMCOUNT, expected);
        QCOMPARE(result.hasWord, expected >= 2);
        QCOMPARE(result.word, expected >= 2 ? QStringLiteral("Dog") : QString());
        // Without a held count the caller's count is 0.
        QCOMPARE(CategoryWordRead(QStringLiteral("PETS"), 1).count, count == -1000 ? 0 : count);
    }

    void letterCountLine_data() {
        QTest::addColumn<QString>("countLine");
        QTest::addColumn<int>("count");
        QTest::newRow("plain") << "2" << 2;
        QTest::newRow("leading blanks") << "   2" << 2;
        QTest::newRow("trailing text") << "2 entries" << 2;
        QTest::newRow("fraction") << "1.75" << 2;
        QTest::newRow("half to even") << "0.5" << 0;
        QTest::newRow("half to even, up") << "1.5" << 2;
        QTest::newRow("point first") << ".9" << 1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("no number") << "two" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too large for 32 bits") << "99999999999" << 0;
    }
    void letterCountLine() {
        QFETCH(QString, countLine);
        QFETCH(int, count);
        shared().strLANGUAGE = QStringLiteral("AMERICAN");
        m_seam->setResource("DATA", "US_INF",
                            Crlf({"A", countLine, "Apple", "a1.", "a2.", "a3.", "Ant", "b1.", "b2.",
                                  "b3.", "B", "0"}));
        shared().lngITEMCOUNT = 99;
        const LetterWord result = LetterWordRead(QStringLiteral("A"), 2);
        QVERIFY(result.found);
        QCOMPARE(result.count, count);
        QCOMPARE(shared().lngITEMCOUNT, count);
        QCOMPARE(result.hasEntry, count >= 2);
        QCOMPARE(result.name, count >= 2 ? QStringLiteral("Ant") : QString());
    }

    // Blocks whose count promises more lines than the table holds: whatever is
    // missing is simply not there, and nothing is read past the end.
    void blocksCutShort() {
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
        m_seam->setResource("DATA", "ENG_WRDS", Crlf({"FRUIT", "5", "Apple", "Banana"}));
        QCOMPARE(CategoryWordRead(QStringLiteral("FRUIT"), 2).word, QStringLiteral("Banana"));
        const CategoryWord beyond = CategoryWordRead(QStringLiteral("FRUIT"), 3);
        QVERIFY(beyond.found);
        QCOMPARE(beyond.count, 5);
        QVERIFY(!beyond.hasWord);
        QCOMPARE(CategoryWordsList(QStringLiteral("FRUIT"), 5).words,
                 QStringList({"Apple", "Banana"}));
        QVERIFY(!CategoryWordRead(QStringLiteral("FRUIT"), 32767).hasWord);

        // The key on the last line: found, no count line, no words.
        m_seam->setResource("DATA", "ENG_WRDS", Crlf({"PETS", "1", "Cat", "FRUIT"}));
        const CategoryWord header = CategoryWordRead(QStringLiteral("FRUIT"), 1, 4);
        QVERIFY(header.found);
        QCOMPARE(header.count, 4);
        QVERIFY(!header.hasWord);
        QVERIFY(CategoryWordsList(QStringLiteral("FRUIT"), 4).words.isEmpty());

        // A letter entry needs all four of its lines.
        m_seam->setResource("DATA", "ENG_INF",
                            Crlf({"A", "2", "Apple", "s1.", "s2.", "s3.", "Ant", "s1.", "s2."}));
        QVERIFY(LetterWordRead(QStringLiteral("A"), 1).hasEntry);
        const LetterWord partial = LetterWordRead(QStringLiteral("A"), 2);
        QVERIFY(partial.found);
        QCOMPARE(partial.count, 2);
        QVERIFY(!partial.hasEntry);
        QVERIFY(partial.name.isEmpty());
        m_seam->setResource("DATA", "ENG_INF", Crlf({"A", "2147483647", "Apple"}));
        QVERIFY(!LetterWordRead(QStringLiteral("A"), 2147483647).hasEntry);
        m_seam->setResource("DATA", "ENG_INF", Crlf({"B"}));
        const LetterWord bare = LetterWordRead(QStringLiteral("B"), 1);
        QVERIFY(bare.found);
        QCOMPARE(bare.count, 0);
        QVERIFY(!bare.hasEntry);
    }

    // Every line takes part in the search for a category key, words included: the
    // first equal line is the header.
    void categoryKeyMatchesFirstEqualLine() {
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
        m_seam->setResource("DATA", "ENG_WRDS", Crlf({"A", "2", "B", "7", "B", "1", "Bee"}));
        const CategoryWord result = CategoryWordRead(QStringLiteral("B"), 1);
        QVERIFY(result.found);
        QCOMPARE(result.count, 7);
        QCOMPARE(result.word, QStringLiteral("B"));
    }

    void letterHeaderSearch() {
        shared().strLANGUAGE = QStringLiteral("ENGLISH");
        // A header with blanks around it is found and given back as written.
        m_seam->setResource("DATA", "ENG_INF", Crlf({" A ", "1", "Apple", "s1.", "s2.", "s3."}));
        const LetterWord blanks = LetterWordRead(QStringLiteral("A"), 1);
        QVERIFY(blanks.found);
        QCOMPARE(blanks.header, QStringLiteral(" A "));
        QCOMPARE(blanks.name, QStringLiteral("Apple"));

        // An empty line before the header ends the search.
        m_seam->setResource("DATA", "ENG_INF",
                            Crlf({"A", "0", "", "B", "1", "Bee", "s1.", "s2.", "s3."}));
        shared().lngITEMCOUNT = 6;
        QVERIFY(LetterWordRead(QStringLiteral("A"), 1).found);
        QCOMPARE(shared().lngITEMCOUNT, 0);
        shared().lngITEMCOUNT = 6;
        QVERIFY(!LetterWordRead(QStringLiteral("B"), 1).found);
        QCOMPARE(shared().lngITEMCOUNT, 6);
    }

    // Lines end at CR LF and at "|"; a lone CR or LF is part of its line; a last line
    // without a line end still counts.
    void lineSplitting_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("Cat\r\nDog\r\n") << QStringList{"Cat", "Dog"};
        QTest::newRow("bar splits") << QByteArray("Cat|Dog\r\n") << QStringList{"Cat", "Dog"};
        QTest::newRow("lone LF") << QByteArray("Cat\nDog\r\n") << QStringList{"Cat\nDog"};
        QTest::newRow("lone CR") << QByteArray("Cat\rDog\r\n") << QStringList{"Cat\rDog"};
        QTest::newRow("CR CR LF") << QByteArray("Cat\r\r\nDog") << QStringList{"Cat\r", "Dog"};
        QTest::newRow("no last line end") << QByteArray("Cat\r\nDog") << QStringList{"Cat", "Dog"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nCat\r\n") << QStringList{"", "", "Cat"};
        QTest::newRow("ends in CR") << QByteArray("Cat\r") << QStringList{"Cat\r"};
    }
    void lineSplitting() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        m_seam->setResource("DATA", "US_PICANDWORDS", bytes);
        QCOMPARE(ContentTableLoad(kPictureWordsTable), lines);
        QCOMPARE(PictureWordCount(), lines.size());
        QCOMPARE(PictureWordRead(lines.size()).word, lines.last());
    }

    void ansiText() {
        m_seam->setResource("DATA", "US_PICANDWORDS", QByteArray("Caf\xe9\r\n\x93Hi\x94 \x80\r\n"));
        QCOMPARE(PictureWordRead(1).word, QString::fromUtf8("Caf\u00e9"));
        QCOMPARE(PictureWordRead(2).word, QString::fromUtf8("\u201cHi\u201d \u20ac"));
    }

    void wordResourceName_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("name");
        QTest::newRow("one word") << "Apple"
                                  << "APPLE";
        QTest::newRow("two words") << "Kiwi fruit"
                                   << "KIWIFRUIT";
        QTest::newRow("capitalised") << "Kiwi Fruit"
                                     << "KIWIFRUIT";
        QTest::newRow("short") << "X ray"
                               << "XRAY";
        QTest::newRow("three words") << "Knife and fork"
                                     << "KNIFEANDFORK";
        QTest::newRow("only spaces go") << " Ice-cream  "
                                        << "ICE-CREAM";
    }
    void wordResourceName() {
        QFETCH(QString, word);
        QFETCH(QString, name);
        QCOMPARE(WordResourceName(word), name);
    }

private:
    std::unique_ptr<TestSeam> m_seam;
};

QTEST_GUILESS_MAIN(TestContentTables)
#include "tst_contenttables.moc"
