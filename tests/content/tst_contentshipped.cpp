// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the six content tables that ship inside the program: their blocks and counts,
// the sentences fixed word for word, the relation between the British and American
// versions and between the tables, and the words' resource names.

#include "content/wordresourcename.h"
#include "core/seam.h"
#include "support/testseam.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace lxp;

namespace {

// The ten category blocks of the British table in order, one "KEY: words" a line.
const char* const kBritishCategories =
    "ANIMALS: Bear, Camel, Dolphin, Duck, Eagle, Elephant, Emu, Giraffe, Goose, Hippopotamus, "
    "Horse, Hyena, Ibis, Jaguar, Jellyfish, Kangaroo, Koala, Kookaburra, Lion, Nest, Quail, "
    "Quokka, Rhinoceros, Squirrel, Tiger, Turtle, Unicorn, Wallaby, Whale, Zebra, Zoo\n"
    "COLORS: Black shoe, Blue car, Blue sea, Brown bag, Green frog, Green plant, Orange "
    "flower, Orange pencil, Pink flowers, Purple glove, Red guitar, Red telephone, Violet "
    "flowers, White cup, White flowers, Yellow balloons, Yellow flowers\n"
    "FRUIT: Apple, Banana, Blackberry, Blueberry, Cherry, Grape, Kiwi fruit, Lemon, Lime, "
    "Mango, Melon, Orange, Pineapple, Strawberry, Watermelon\n"
    "GENERAL: Ear, Egg, Eye, Ice cream, Jewellery, Key, Knife and fork, Noodles, Nose, Nut, "
    "Queen, X ray, Yoghurt, Zip\n"
    "MUSICAL: Drum, Flute, Guitar, Mandolin, Piano, Recorder, Trumpet, Violin, Xylophone\n"
    "NATURAL: Autumn, Cloud, Coast, Earth, Fog, Frost, Ice, Island, Lightning, Moon, Night, "
    "Ocean, Rain, Rainbow, Rock, Snow, Storm, Summer, Sunset, Umbrella, Volcano, Wind, Winter\n"
    "PETS: Cat, Dog, Fish, Hamster, Iguana, Kitten, Parrot, Rabbit, Tortoise, Tropical fish\n"
    "SPORTS: Baseball, Basketball, Diving, Fishing, Football, Golf, Ping pong, Running, Ski, "
    "Whistle\n"
    "TRANSPORT: Airplane, Ambulance, Bicycle, Bus, Car, Ferry, Helicopter, Jet, Motorcycle, "
    "Ship, Tractor, Train, Truck, Underground, Yacht\n"
    "VEGETABLES: Aubergine, Broccoli, Carrot, Chilli, Corn, Courgette, Garlic, Lettuce, "
    "Mushroom, Onion, Pea, Potato, Pumpkin, Radish, Tomato";
// The six words the American tables exchange.
const QStringList kExchangedBritish = {"Aubergine", "Chilli",      "Jewellery",
                                       "Football",  "Underground", "Courgette"};
const QStringList kExchangedAmerican = {"Eggplant", "Chili",  "Jewelry",
                                        "Soccer",   "Subway", "Zucchini"};

// Entries whose sentences are fixed word for word: table|name|sentence|sentence|sentence.
const char* const kFixedEntries =
    "ENG_INF|Apple|An Apple is a fruit.|I like to eat an Apple for my lunch.|There are red "
    "Apples and green Apples.\n"
    "ENG_INF|Kiwi Fruit|Kiwi Fruit are a type of fruit.|Kiwi Fruit are green in colour.|A Kiwi "
    "Fruit's taste is very sweet.\n"
    "ENG_INF|X ray|An X ray can see through the skin.|You go to hospital for an X ray.|It will "
    "show if there are any broken bones.\n"
    "ENG_INF|Zebra|A Zebra is a type of animal.|A Zebra has black and white stripes.|Zebras "
    "live in hot countries.\n"
    "ENG_INF|Aubergine|An Aubergine is a vegetable.|The colour of an Aubergine is purple.|An "
    "Aubergine's skin is smooth and shiny.\n"
    "US_INF|Eggplant|An Eggplant is a vegetable.|The color of an Eggplant is purple.|An "
    "Eggplant's skin is smooth and shiny.\n"
    "ENG_INF|Chilli|A Chilli is a vegetable.|A Chilli is spicy.|The colour of Chillies can be "
    "green or red.\n"
    "US_INF|Chili|A Chili is a vegetable.|A Chili is spicy.|The color of Chilies can be green "
    "or red.\n"
    "ENG_INF|Jewellery|Jewellery is made of jewels and metals.|The most expensive jewels are "
    "diamonds.|Gold and silver are also very expensive.\n"
    "US_INF|Jewelry|Jewelry is made of jewels and metals.|The most expensive jewels are "
    "diamonds.|Gold and silver are also very expensive.\n"
    "ENG_INF|Football|Football is a sport.|Football was first played in England.|You win by "
    "kicking the ball into the net.\n"
    "US_INF|Soccer|Soccer is a sport.|Soccer was first played in England.|You win by kicking "
    "the ball into the net.\n"
    "ENG_INF|Underground|The Underground is a type of transport.|Some people call it the "
    "Subway or even the Tube.|This is an Underground train.\n"
    "US_INF|Subway|The Subway is a type of transport.|Some people call it the Underground or "
    "even the Tube.|This is an Underground train.\n"
    "ENG_INF|Courgette|A Courgette is a type of vegetable.|The color of a Courgette is green.|"
    "Some people call this a Zucchini.\n"
    "US_INF|Zucchini|A Zucchini is a type of vegetable.|The color of a Zucchini is green.|Some "
    "people call this a Courgette.";

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

// Key and items (`size` lines each) of each block; nothing when a count line is not a
// number or a block is cut short.
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

// The items of every block in order: a category table's words (size 1), a letter
// table's entries (size 4: name and three sentences).
QList<QStringList> Items(const QString& table, int size)
{
    QList<QStringList> items;
    for (const auto& block : Blocks(table, size))
        items += block.second;
    return items;
}

// The first line of every item: the words, or the entries' names.
QStringList Names(const QString& table, int size)
{
    QStringList names;
    for (const QStringList& item : Items(table, size))
        names << item[0];
    return names;
}

void VariantRows()
{
    QTest::addColumn<QString>("variant");
    QTest::newRow("British") << QStringLiteral("ENG_");
    QTest::newRow("American") << QStringLiteral("US_");
}

} // namespace

class TestContentShipped : public QObject {
    Q_OBJECT

private slots:
    void categoryTables_data() { VariantRows(); }
    // The ten blocks: key, count and words in order; the American blocks hold the
    // exchanged words (and "Ping Pong"), sorted.
    void categoryTables()
    {
        QFETCH(QString, variant);
        QStringList expected;
        for (const QString& block : QString(kBritishCategories).split(u'\n')) {
            QStringList words = block.section(QStringLiteral(": "), 1).split(", ");
            for (QString& word : words)
                if (const qsizetype i = kExchangedBritish.indexOf(word); i >= 0 && variant == "US_")
                    word = kExchangedAmerican[i];
            if (variant == "US_")
                words.replaceInStrings("Ping pong", "Ping Pong").sort();
            expected << block.section(u':', 0, 0) << QString::number(words.size()) << words;
        }
        QCOMPARE(Lines(variant + "WRDS"), expected);
    }

    void letterTables_data() { VariantRows(); }
    // 26 blocks A to Z: the category words but "Coast" and "Trumpet", each word after the
    // first capitalised but "and" ("Ice cream", "X ray" and "Water Melon" apart), sorted by
    // name with blanks ignored.
    void letterTables()
    {
        QFETCH(QString, variant);
        QStringList expected;
        for (const QString& word : Names(variant + "WRDS", 1)) {
            QStringList parts = word.split(u' ');
            for (int i = 1; i < parts.size() && word != "Ice cream" && word != "X ray"; ++i)
                if (parts[i] != "and")
                    parts[i][0] = parts[i][0].toUpper();
            if (word != "Coast" && word != "Trumpet")
                expected << (word == "Watermelon" ? "Water Melon" : parts.join(u' '));
        }
        const auto key = [](const QString& name) { return name.toLower().remove(u' '); };
        std::sort(expected.begin(), expected.end(),
                  [&](const QString& a, const QString& b) { return key(a) < key(b); });
        const auto blocks = Blocks(variant + "INF", 4);
        QCOMPARE(blocks.size(), 26);
        QStringList names;
        for (int b = 0; b < 26; ++b) {
            QCOMPARE(blocks[b].first, QString(QChar(u'A' + b)));
            for (const QStringList& entry : blocks[b].second) {
                QVERIFY2(entry[0].startsWith(blocks[b].first), qPrintable(entry[0]));
                names << entry[0];
            }
        }
        QCOMPARE(names, expected);
        QCOMPARE(names.size(), 157);
    }

    // The entries whose texts are fixed, word for word.
    void fixedSentences()
    {
        for (const QString& line : QString(kFixedEntries).split(u'\n')) {
            const QStringList fixed = line.split(u'|');
            QVERIFY2(Items(fixed[0], 4).contains(fixed.mid(1)), qPrintable(line));
        }
    }

    // The American letter table is the British one with the colour and flavour
    // spellings changed, apart from the six entries that are exchanged.
    void americanLettersFollowBritish()
    {
        QList<QStringList> expected;
        for (QStringList entry : Items("ENG_INF", 4)) {
            for (QString& line : entry)
                line.replace("colours", "colors")
                    .replace("coloured", "colored")
                    .replace("colour", "color")
                    .replace("Colour", "Color")
                    .replace("flavour", "flavor");
            if (!kExchangedBritish.contains(entry[0]))
                expected << entry;
        }
        QCOMPARE(expected.size(), 151);
        QList<QStringList> american = Items("US_INF", 4);
        american.removeIf([](const QStringList& e) { return kExchangedAmerican.contains(e[0]); });
        QCOMPARE(american, expected);
    }

    void britishOnlyWords_data() { VariantRows(); }
    // Outside the exchanged entries, no sentence uses a word spelled or said differently
    // in American English.
    void britishOnlyWords()
    {
        QFETCH(QString, variant);
        const QStringList britishOnly = QString(kBritishOnlyWords).split(u' ');
        const QStringList sharedForms = QString(kSharedForms).split(u' ');
        for (const QStringList& entry : Items(variant + "INF", 4)) {
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

    void pictureWordLists_data() { VariantRows(); }
    // The entry names of the same version with "Ice Cream" capitalised, and in the
    // British list "Zucchini" last in place of "Courgette".
    void pictureWordLists()
    {
        QFETCH(QString, variant);
        QStringList expected = Names(variant + "INF", 4);
        expected.replace(expected.indexOf("Ice cream"), "Ice Cream");
        if (variant == "ENG_") {
            QVERIFY(expected.removeOne("Courgette"));
            expected << "Zucchini";
        }
        QCOMPARE(Lines(variant + "PICANDWORDS"), expected);
    }

    // Every word of the six tables has a resource name: 165 in all, the category words
    // cover all others.
    void wordsMapToTheResourceNames()
    {
        QSet<QString> categories, others;
        for (const QString variant : {"ENG_", "US_"}) {
            for (const QString& word : Names(variant + "WRDS", 1))
                categories << WordResourceName(word);
            for (const QString& word : Names(variant + "INF", 4) + Lines(variant + "PICANDWORDS"))
                others << WordResourceName(word);
        }
        QCOMPARE(categories.size(), 165);
        QCOMPARE(others - categories, QSet<QString>());
    }

private:
    TestSeam m_seam; // the shipped tables
};

QTEST_GUILESS_MAIN(TestContentShipped)
#include "tst_contentshipped.moc"
