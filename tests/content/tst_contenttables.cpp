// SPDX-License-Identifier: GPL-3.0-or-later
// The content queries: on the shipped tables for the cases the lessons rely on, and
// on injected tables for every way a table can be broken. In an injected table "/"
// stands for CR LF; an empty one is a missing table.

#include "content/contenttables.h"
#include "support/testseam.h"

#include <QtTest>

using namespace lxp;

namespace {

constexpr int kNotFound = -1;
constexpr int kHeld = 4; // the count the caller held before a category query

using Text = const char*;

// Rows of the query tests; `table`, when given, replaces the American table of the kind.
// A count is kNotFound, or the block's count as the query gives it.
struct CategoryRow {
    Text language, key;
    int n, count;
    Text word, table = nullptr;
};
struct ListRow {
    Text key;
    int count;
    bool found;
    Text words, table = nullptr;
};
struct LetterRow {
    Text language, letter;
    int n, count;
    Text entry, table = nullptr; // entry: the name, then the sentences if given, "|" between
};

// "ENGLISH" is the British variant, anything else the American one.
ContentVariant variantOf(Text language)
{
    return QLatin1String(language) == QLatin1String("ENGLISH") ? ContentVariant::British
                                                               : ContentVariant::American;
}
constexpr ContentVariant kAmerican = ContentVariant::American;

template <typename... T> void Row(const char* name, const T&... values)
{
    (QTest::newRow(name) << ... << values);
}

} // namespace

Q_DECLARE_METATYPE(CategoryRow)
Q_DECLARE_METATYPE(ListRow)
Q_DECLARE_METATYPE(LetterRow)

class TestContentTables : public QObject {
    Q_OBJECT

private slots:
    void init() { m_seam = std::make_unique<TestSeam>(); }
    void cleanup() { m_seam.reset(); }

    void categoryWordRead_data()
    {
        QTest::addColumn<CategoryRow>("row");
        Row("first word", CategoryRow{"", "VEGETABLES", 1, 15, "Broccoli"});
        Row("last word", CategoryRow{"AMERICAN", "VEGETABLES", 15, 15, "Zucchini"});
        Row("position 0", CategoryRow{"ENGLISH", "FRUIT", 0, 15, ""});
        Row("past the count", CategoryRow{"ENGLISH", "FRUIT", 16, 15, ""});
        Row("key not upper case", CategoryRow{"ENGLISH", "Animals", 1, kNotFound, ""});
        Row("missing table", CategoryRow{"", "PETS", 1, kNotFound, "", ""});
        Row("missing header", CategoryRow{"", "FRUIT", 1, kNotFound, "", "PETS/1/Cat/"});
        Row("count too large", CategoryRow{"", "PETS", 2, kHeld, "Dog", "PETS/32768/Cat/Dog/"});
        Row("cut short, word missing", CategoryRow{"", "FRUIT", 3, 5, "", "FRUIT/5/Apple/Banana/"});
        Row("no last line end", CategoryRow{"", "FRUIT", 2, 2, "Banana", "FRUIT/2/Apple/Banana"});
        Row("huge position", CategoryRow{"", "FRUIT", 32767, 32767, "", "FRUIT/32767/Apple/"});
        Row("key on the last line", CategoryRow{"", "FRUIT", 1, kHeld, "", "PETS/1/Cat/FRUIT"});
    }
    // Every line takes part in the key search; a count line that is not a 16-bit integer
    // leaves the held count; whatever a block promises beyond the end is not there.
    void categoryWordRead()
    {
        QFETCH(CategoryRow, row);
        inject(kWordsTable, row.table);
        const CategoryWord result =
            CategoryWordRead(row.key, row.n, variantOf(row.language), kHeld);
        QCOMPARE(result.found, row.count != kNotFound);
        QCOMPARE(result.count, qMax(row.count, 0));
        QCOMPARE(result.hasWord, *row.word != 0);
        QCOMPARE(result.word, QString(row.word));
        // Without a held count the caller's count is 0.
        QCOMPARE(CategoryWordRead(row.key, row.n, variantOf(row.language)).count,
                 row.count == kHeld ? 0 : result.count);
    }

    void categoryWordsList_data()
    {
        QTest::addColumn<ListRow>("row");
        Row("fewer than the block", ListRow{"PETS", 3, true, "Cat,Dog,Fish"});
        Row("key not upper case", ListRow{"Pets", 10, false, ""});
        Row("cut short", ListRow{"FRUIT", 5, true, "Apple,Banana", "FRUIT/5/Apple/Banana/"});
        Row("huge count", ListRow{"FRUIT", 32767, true, "Apple", "FRUIT/1/Apple/"});
        Row("key on the last line", ListRow{"FRUIT", 4, true, "", "PETS/1/Cat/FRUIT/"});
    }
    // The first words of a block, as many as the caller says.
    void categoryWordsList()
    {
        QFETCH(ListRow, row);
        inject(kWordsTable, row.table);
        const CategoryWords list = CategoryWordsList(row.key, row.count, kAmerican);
        QCOMPARE(list.found, row.found);
        QCOMPARE(list.words, QString(row.words).split(u',', Qt::SkipEmptyParts));
    }

    void letterWordRead_data()
    {
        QTest::addColumn<LetterRow>("row");
        Row("British A 1", LetterRow{"ENGLISH", "A", 1, 5, "Airplane"});
        Row("American Z 4", LetterRow{"AMERICAN", "Z", 4, 4, "Zucchini"});
        Row("British Z 4", LetterRow{"ENGLISH", "Z", 4, 3, ""});
        Row("position 0", LetterRow{"ENGLISH", "B", 0, 13, ""});
        Row("not a letter", LetterRow{"ENGLISH", "AB", 1, kNotFound, ""});
        Row("missing header", LetterRow{"", "C", 1, kNotFound, "", "A/1/Apple/s1/s2/s3/"});
        Row("count not a number", LetterRow{"", "A", 1, 0, "", "A/one/Apple/s1/s2/s3/"});
        Row("entry cut short", LetterRow{"", "A", 2, 2, "", "A/2/Apple/s1/s2/s3/Ant/s1/s2"});
        Row("no last line end", LetterRow{"", "A", 1, 1, "Ant|s1|s2|s3", "A/1/Ant/s1/s2/s3"});
        Row("huge position", LetterRow{"", "A", 2147483647, 2147483647, "", "A/2147483647/Ant/"});
        Row("after an empty line", LetterRow{"", "B", 1, kNotFound, "", "A/0//B/1/Bee/s1/s2/s3/"});
    }
    // An entry needs all four of its lines; an empty line ends the header search.
    void letterWordRead()
    {
        QFETCH(LetterRow, row);
        inject(kLetterTable, row.table);
        const LetterWord result = LetterWordRead(row.letter, row.n, variantOf(row.language));
        const bool found = row.count != kNotFound;
        QCOMPARE(result.found, found);
        QCOMPARE(result.header, QString(found ? row.letter : ""));
        QCOMPARE(result.count, qMax(row.count, 0));
        QCOMPARE(result.hasEntry, *row.entry != 0);
        const QStringList got{result.name, result.sentences[0], result.sentences[1],
                              result.sentences[2]};
        const QStringList parts = QString(row.entry).split(u'|');
        QCOMPARE(got.first(parts.size()), parts);
        for (const QString& sentence : got.mid(1))
            QCOMPARE(sentence.isEmpty(), !result.hasEntry);
    }

    void lineSplitting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        Row("bar splits", QByteArray("Cat|Dog\r\n"), QStringList{"Cat", "Dog"});
        Row("lone LF", QByteArray("Cat\nDog\r\n"), QStringList{"Cat\nDog"});
        Row("CR CR LF", QByteArray("Cat\r\r\nDog"), QStringList{"Cat\r", "Dog"});
        Row("Windows-1252", QByteArray("Caf\xe9\r\n\x93Hi\x94 \x80"),
            QStringList{QString::fromUtf8("Caf\u00e9"),
                        QString::fromUtf8("\u201cHi\u201d \u20ac")});
    }
    // Lines end at CR LF and at "|"; a lone CR or LF is part of its line; a last line
    // without a line end still counts; the bytes are Windows-1252 text. The picture
    // words are the lines, nothing outside 1..count.
    void lineSplitting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        m_seam->setResource("DATA", "US_PICANDWORDS", bytes);
        QCOMPARE(ContentTableLoad(kPictureWordsTable, kAmerican), lines);
        QCOMPARE(PictureWordCount(kAmerican), lines.size());
        for (const qint32 n : {std::numeric_limits<qint32>::min(), -1, 0})
            QVERIFY(!PictureWordRead(n, kAmerican).found);
        for (int n = 1; n <= lines.size() + 1; ++n) {
            QCOMPARE(PictureWordRead(n, kAmerican).found, n <= lines.size());
            QCOMPARE(PictureWordRead(n, kAmerican).word, lines.value(n - 1));
        }
    }

    // Nothing is kept between queries: the variant named and the table as it is now
    // decide each query.
    void tablesAreReadAfresh()
    {
        const QString sports = QStringLiteral("SPORTS");
        QCOMPARE(CategoryWordRead(sports, 5, ContentVariant::British).word,
                 QStringLiteral("Football"));
        QCOMPARE(CategoryWordRead(sports, 5, kAmerican).word, QStringLiteral("Golf"));
        m_seam->setResource("DATA", "US_WRDS", "SPORTS\r\n1\r\nTennis\r\n");
        QCOMPARE(CategoryWordRead(sports, 1, kAmerican).word, QStringLiteral("Tennis"));
    }

private:
    void inject(const char* kind, const char* table)
    {
        if (table)
            m_seam->setResource("DATA", QString("US_") + kind,
                                QByteArray(table).replace('/', "\r\n"));
    }

    std::unique_ptr<TestSeam> m_seam;
};

QTEST_GUILESS_MAIN(TestContentTables)
#include "tst_contenttables.moc"
