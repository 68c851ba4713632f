// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the six content tables shipped inside the program: the blocks the lessons look
// up, a sentence for every word, the words' resource names and American English in the
// American tables.

#include "content/wordresourcename.h"
#include "core/seam.h"
#include "lessons/words/wordscategories.h"
#include "support/testseam.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace lxp;

namespace {

// The six words the American tables exchange.
const QStringList kExchangedBritish = {"Aubergine", "Chilli",      "Jewellery",
                                       "Football",  "Underground", "Courgette"};
const QStringList kExchangedAmerican = {"Eggplant", "Chili",  "Jewelry",
                                        "Soccer",   "Subway", "Zucchini"};

// Entries whose apostrophes were once missing: table|name|sentence|sentence|sentence.
const char* const kMendedEntries =
    "ENG_INF|Kiwi Fruit|Kiwi Fruit are a type of fruit.|Kiwi Fruit are green in colour.|A Kiwi "
    "Fruit's taste is very sweet.\n"
    "ENG_INF|Aubergine|An Aubergine is a vegetable.|The colour of an Aubergine is purple.|An "
    "Aubergine's skin is smooth and shiny.\n"
    "US_INF|Eggplant|An Eggplant is a vegetable.|The color of an Eggplant is purple.|An "
    "Eggplant's skin is smooth and shiny.";

// Words spelled or said differently in American English, and the usual British word
// forms ("-our", "-ise", "-yse", "-re") with the words of those forms both share.
const char* const kBritishOnlyWords =
    "grey favorite tyre tyres aeroplane mum mummy mom mould moult plough cosy pyjamas kerb tonne "
    "cheque programme travelled travelling jeweller woollen skilful storey aluminium moustache "
    "doughnut lorry petrol pavement biscuit sweets crisps chips holiday railway nappy rubbish "
    "torch maths queue trousers jumper motorway postman football jewellery aubergine courgette "
    "chilli underground eggplant zucchini soccer subway chili jewelry";
const QRegularExpression kBritishForms(
    QStringLiteral("^[a-z]*(our|ours|oured|ouring|ourite|ourful|is(e|es|ed|ing)|ys(e|es|ed|ing)"
                   "|[bt]re|[bt]res)$"));
const char* const kSharedForms =
    "our ours your yours four hour hours flour pour sour tour colour colours coloured "
    "colourful flavour flavours noise rise rises wise promise surprise exercise raise praise "
    "cruise tortoise tortoises paradise";

QStringList Lines(const QString& table)
{
    const QByteArray bytes = seam().resource(QStringLiteral("DATA"), table);
    return QString::fromLatin1(bytes.chopped(bytes.endsWith("\r\n") ? 2 : 0)).split("\r\n");
}

// Key and items (`size` lines each) of each block: a category table's words (size 1), a
// letter table's entries (size 4: name and three sentences). Nothing when a count line
// is not a number or a block is cut short.
QList<std::pair<QString, QList<QStringList>>> Blocks(const QString& table, int size)
{
    const QStringList lines = Lines(table);
    QList<std::pair<QString, QList<QStringList>>> blocks;
    for (int i = 0; i < lines.size();) {
        QList<QStringList>& items = blocks.emplace_back(lines[i++], QList<QStringList>()).second;
        bool ok = false;
        const int count = i < lines.size() ? lines[i++].toInt(&ok) : -1;
        if (!ok || i + size * count > lines.size())
            return {};
        for (int e = 0; e < count; ++e, i += size)
            items.append(lines.mid(i, size));
    }
    return blocks;
}

QStringList Names(const QList<QStringList>& items)
{
    QStringList names;
    for (const QStringList& item : items)
        names << item[0];
    return names;
}

QList<QStringList> Items(const QString& table, int size)
{
    QList<QStringList> items;
    for (const auto& block : Blocks(table, size))
        items += block.second;
    return items;
}

QSet<QString> ResourceNames(const QStringList& words)
{
    QSet<QString> names;
    for (const QString& word : words)
        names << WordResourceName(word);
    return names;
}

// The resource names of a variant's category words ("ENG_", "US_").
QSet<QString> CategoryNames(const QString& variant)
{
    return ResourceNames(Names(Items(variant + "WRDS", 1)));
}

} // namespace

class TestContentShipped : public QObject {
    Q_OBJECT

private slots:
    // A block for each category of the words lesson, in alphabetical order; each block
    // sorted, the American one holding the exchanged words (and "Ping Pong"); 165 words.
    void categoryTables()
    {
        QStringList keys;
        for (const WordsCategory& category : kWordsCategories)
            keys << CategoryKey(category);
        keys.sort();
        const auto british = Blocks("ENG_WRDS", 1), american = Blocks("US_WRDS", 1);
        QCOMPARE(british.size(), keys.size());
        QCOMPARE(american.size(), keys.size());
        QCOMPARE((CategoryNames("ENG_") + CategoryNames("US_")).size(), 165);
        for (int b = 0; b < keys.size(); ++b) {
            QCOMPARE(british[b].first, keys[b]);
            QCOMPARE(american[b].first, keys[b]);
            QStringList words = Names(british[b].second), sorted = words;
            sorted.sort();
            QCOMPARE(words, sorted);
            for (QString& word : words)
                if (const qsizetype i = kExchangedBritish.indexOf(word); i >= 0)
                    word = kExchangedAmerican[i];
            words.replaceInStrings("Ping pong", "Ping Pong").sort();
            QCOMPARE(Names(american[b].second), words);
        }
    }

    // 26 blocks A to Z, an entry for every category word but "Coast" and "Trumpet", and as
    // many picture words, each a category word (so with its picture and recording).
    void letterTables_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::newRow("British") << QStringLiteral("ENG_");
        QTest::newRow("American") << QStringLiteral("US_");
    }
    void letterTables()
    {
        QFETCH(QString, variant);
        const auto blocks = Blocks(variant + "INF", 4);
        QCOMPARE(blocks.size(), 26);
        QStringList names;
        for (int b = 0; b < 26; ++b) {
            QCOMPARE(blocks[b].first, QString(QChar(u'A' + b)));
            for (const QString& name : Names(blocks[b].second)) {
                QVERIFY2(name.startsWith(blocks[b].first), qPrintable(name));
                names << name;
            }
        }
        const QSet<QString> expected = CategoryNames(variant) - QSet<QString>{"COAST", "TRUMPET"};
        QCOMPARE(ResourceNames(names), expected);
        QCOMPARE(names.size(), expected.size());
        const QStringList pictureWords = Lines(variant + "PICANDWORDS");
        QCOMPARE(pictureWords.size(), names.size());
        QCOMPARE(ResourceNames(pictureWords) - CategoryNames("ENG_") - CategoryNames("US_"),
                 QSet<QString>());
    }

    void mendedSentences()
    {
        for (const QString& line : QString(kMendedEntries).split(u'\n')) {
            const QStringList fixed = line.split(u'|');
            QVERIFY2(Items(fixed[0], 4).contains(fixed.mid(1)), qPrintable(line));
        }
    }

    // Outside the exchanged entries, no sentence uses a word spelled or said differently
    // in American English.
    void britishOnlyWords()
    {
        const QStringList britishOnly = QString(kBritishOnlyWords).split(u' ');
        const QStringList sharedForms = QString(kSharedForms).split(u' ');
        for (const QStringList& entry : Items("ENG_INF", 4) + Items("US_INF", 4)) {
            if (kExchangedBritish.contains(entry[0]) || kExchangedAmerican.contains(entry[0]))
                continue;
            const QStringList ownName = entry[0].toLower().split(u' ');
            const QString sentences = entry.mid(1).join(u' ');
            for (const auto& match : QRegularExpression("[A-Za-z]+").globalMatch(sentences)) {
                const QString w = match.captured().toLower();
                QVERIFY2(ownName.contains(w) || !britishOnly.contains(w), qPrintable(sentences));
                QVERIFY2(!kBritishForms.match(w).hasMatch() || sharedForms.contains(w),
                         qPrintable(sentences));
            }
        }
    }

private:
    TestSeam m_seam; // the shipped tables
};

QTEST_GUILESS_MAIN(TestContentShipped)
#include "tst_contentshipped.moc"
