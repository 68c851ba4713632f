// Guards the six content tables that ship inside the program: their text form, their
// blocks and counts, the words they must hold, the relation between the British and
// the American versions and between the tables, and the resource names of the words.

#include "content/wordresourcename.h"
#include "shell/seam.h"
#include "support/testseam.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace lxp;

namespace {

const QStringList kTables = {"ENG_WRDS", "US_WRDS",         "ENG_INF",
                             "US_INF",   "ENG_PICANDWORDS", "US_PICANDWORDS"};

QStringList Split(const QString& list) {
    return list.split(QStringLiteral(", "));
}

// The ten categories in table order: key, British words, American words where the
// block differs.
struct Category {
    const char* key;
    const char* british;
    const char* american;
};
const Category kCategories[] = {
    {"ANIMALS",
     "Bear, Camel, Dolphin, Duck, Eagle, Elephant, Emu, Giraffe, Goose, Hippopotamus, Horse, "
     "Hyena, Ibis, Jaguar, Jellyfish, Kangaroo, Koala, Kookaburra, Lion, Nest, Quail, Quokka, "
     "Rhinoceros, Squirrel, Tiger, Turtle, Unicorn, Wallaby, Whale, Zebra, Zoo",
     nullptr},
    {"COLORS",
     "Black shoe, Blue car, Blue sea, Brown bag, Green frog, Green plant, Orange flower, "
     "Orange pencil, Pink flowers, Purple glove, Red guitar, Red telephone, Violet flowers, "
     "White cup, White flowers, Yellow balloons, Yellow flowers",
     nullptr},
    {"FRUIT",
     "Apple, Banana, Blackberry, Blueberry, Cherry, Grape, Kiwi fruit, Lemon, Lime, Mango, "
     "Melon, Orange, Pineapple, Strawberry, Watermelon",
     nullptr},
    {"GENERAL",
     "Ear, Egg, Eye, Ice cream, Jewellery, Key, Knife and fork, Noodles, Nose, Nut, Queen, "
     "X ray, Yoghurt, Zip",
     "Ear, Egg, Eye, Ice cream, Jewelry, Key, Knife and fork, Noodles, Nose, Nut, Queen, "
     "X ray, Yoghurt, Zip"},
    {"MUSICAL", "Drum, Flute, Guitar, Mandolin, Piano, Recorder, Trumpet, Violin, Xylophone",
     nullptr},
    {"NATURAL",
     "Autumn, Cloud, Coast, Earth, Fog, Frost, Ice, Island, Lightning, Moon, Night, Ocean, "
     "Rain, Rainbow, Rock, Snow, Storm, Summer, Sunset, Umbrella, Volcano, Wind, Winter",
     nullptr},
    {"PETS", "Cat, Dog, Fish, Hamster, Iguana, Kitten, Parrot, Rabbit, Tortoise, Tropical fish",
     nullptr},
    {"SPORTS",
     "Baseball, Basketball, Diving, Fishing, Football, Golf, Ping pong, Running, Ski, Whistle",
     "Baseball, Basketball, Diving, Fishing, Golf, Ping Pong, Running, Ski, Soccer, Whistle"},
    {"TRANSPORT",
     "Airplane, Ambulance, Bicycle, Bus, Car, Ferry, Helicopter, Jet, Motorcycle, Ship, "
     "Tractor, Train, Truck, Underground, Yacht",
     "Airplane, Ambulance, Bicycle, Bus, Car, Ferry, Helicopter, Jet, Motorcycle, Ship, "
     "Subway, Tractor, Train, Truck, Yacht"},
    {"VEGETABLES",
     "Aubergine, Broccoli, Carrot, Chilli, Corn, Courgette, Garlic, Lettuce, Mushroom, Onion, "
     "Pea, Potato, Pumpkin, Radish, Tomato",
     "Broccoli, Carrot, Chili, Corn, Eggplant, Garlic, Lettuce, Mushroom, Onion, Pea, Potato, "
     "Pumpkin, Radish, Tomato, Zucchini"},
};

// Entry names of the letter blocks, A to Z: British, and American where different.
const char* const kBritishEntries[26] = {
    "Airplane, Ambulance, Apple, Aubergine, Autumn",
    "Banana, Baseball, Basketball, Bear, Bicycle, Blackberry, Black Shoe, Blueberry, Blue Car, "
    "Blue Sea, Broccoli, Brown Bag, Bus",
    "Camel, Car, Carrot, Cat, Cherry, Chilli, Cloud, Corn, Courgette",
    "Diving, Dog, Dolphin, Drum, Duck",
    "Eagle, Ear, Earth, Egg, Elephant, Emu, Eye",
    "Ferry, Fish, Fishing, Flute, Fog, Football, Frost",
    "Garlic, Giraffe, Golf, Goose, Grape, Green Frog, Green Plant, Guitar",
    "Hamster, Helicopter, Hippopotamus, Horse, Hyena",
    "Ibis, Ice, Ice cream, Iguana, Island",
    "Jaguar, Jellyfish, Jet, Jewellery",
    "Kangaroo, Key, Kitten, Kiwi Fruit, Knife and Fork, Koala, Kookaburra",
    "Lemon, Lettuce, Lightning, Lime, Lion",
    "Mandolin, Mango, Melon, Moon, Motorcycle, Mushroom",
    "Nest, Night, Noodles, Nose, Nut",
    "Ocean, Onion, Orange, Orange Flower, Orange Pencil",
    "Parrot, Pea, Piano, Pineapple, Ping Pong, Pink Flowers, Potato, Pumpkin, Purple Glove",
    "Quail, Queen, Quokka",
    "Rabbit, Radish, Rain, Rainbow, Recorder, Red Guitar, Red Telephone, Rhinoceros, Rock, "
    "Running",
    "Ship, Ski, Snow, Squirrel, Storm, Strawberry, Summer, Sunset",
    "Tiger, Tomato, Tortoise, Tractor, Train, Tropical Fish, Truck, Turtle",
    "Umbrella, Underground, Unicorn",
    "Violet Flowers, Violin, Volcano",
    "Wallaby, Water Melon, Whale, Whistle, White Cup, White Flowers, Wind, Winter",
    "X ray, Xylophone",
    "Yacht, Yellow Balloons, Yellow Flowers, Yoghurt",
    "Zebra, Zip, Zoo",
};
const QHash<QChar, QString> kAmericanEntries = {
    {u'A', "Airplane, Ambulance, Apple, Autumn"},
    {u'C', "Camel, Car, Carrot, Cat, Cherry, Chili, Cloud, Corn"},
    {u'E', "Eagle, Ear, Earth, Egg, Eggplant, Elephant, Emu, Eye"},
    {u'F', "Ferry, Fish, Fishing, Flute, Fog, Frost"},
    {u'J', "Jaguar, Jellyfish, Jet, Jewelry"},
    {u'S', "Ship, Ski, Snow, Soccer, Squirrel, Storm, Strawberry, Subway, Summer, Sunset"},
    {u'U', "Umbrella, Unicorn"},
    {u'Z', "Zebra, Zip, Zoo, Zucchini"},
};

// Entries whose sentences are fixed word for word.
struct FixedEntry {
    const char* table;
    const char* name;
    const char* sentences[3];
};
const FixedEntry kFixedEntries[] = {
    {"ENG_INF",
     "Apple",
     {"An Apple is a fruit.", "I like to eat an Apple for my lunch.",
      "There are red Apples and green Apples."}},
    {"ENG_INF",
     "Kiwi Fruit",
     {"Kiwi Fruit are a type of fruit.", "Kiwi Fruit are green in colour.",
      "A Kiwi Fruits taste is very sweet."}},
    {"ENG_INF",
     "X ray",
     {"An X ray can see through the skin.", "You go to hospital for an X ray.",
      "It will show if there are any broken bones."}},
    {"ENG_INF",
     "Zebra",
     {"A Zebra is a type of animal.", "A Zebra has black and white stripes.",
      "Zebras live in hot countries."}},
    {"ENG_INF",
     "Aubergine",
     {"An Aubergine is a vegetable.", "The colour of an Aubergine is purple.",
      "An Aubergines skin is smooth and shiny."}},
    {"US_INF",
     "Eggplant",
     {"An Eggplant is a vegetable.", "The color of an Eggplant is purple.",
      "An Eggplant skin is smooth and shiny."}},
    {"ENG_INF",
     "Chilli",
     {"A Chilli is a vegetable.", "A Chilli is spicy.",
      "The colour of Chillies can be green or red."}},
    {"US_INF",
     "Chili",
     {"A Chili is a vegetable.", "A Chili is spicy.", "The color of Chilies can be green or red."}},
    {"ENG_INF",
     "Jewellery",
     {"Jewellery is made of jewels and metals.", "The most expensive jewels are diamonds.",
      "Gold and silver are also very expensive."}},
    {"US_INF",
     "Jewelry",
     {"Jewelry is made of jewels and metals.", "The most expensive jewels are diamonds.",
      "Gold and silver are also very expensive."}},
    {"ENG_INF",
     "Football",
     {"Football is a sport.", "Football was first played in England.",
      "You win by kicking the ball into the net."}},
    {"US_INF",
     "Soccer",
     {"Soccer is a sport.", "Soccer was first played in England.",
      "You win by kicking the ball into the net."}},
    {"ENG_INF",
     "Underground",
     {"The Underground is a type of transport.", "Some people call it the Subway or even the Tube.",
      "This is an Underground train."}},
    {"US_INF",
     "Subway",
     {"The Subway is a type of transport.", "Some people call it the Underground or even the Tube.",
      "This is an Underground train."}},
    {"ENG_INF",
     "Courgette",
     {"A Courgette is a type of vegetable.", "The color of a Courgette is green.",
      "Some people call this a Zucchini."}},
    {"US_INF",
     "Zucchini",
     {"A Zucchini is a type of vegetable.", "The color of a Zucchini is green.",
      "Some people call this a Courgette."}},
};
const QStringList kExchangedBritish = {"Aubergine", "Chilli",      "Jewellery",
                                       "Football",  "Underground", "Courgette"};

// The resource names of the pictures and recordings: every word of every table maps
// to one of them, and every one of them belongs to a word.
const char* const kResourceNames =
    "AIRPLANE AMBULANCE APPLE AUBERGINE AUTUMN BANANA BASEBALL BASKETBALL BEAR BICYCLE "
    "BLACKBERRY BLACKSHOE BLUEBERRY BLUECAR BLUESEA BROCCOLI BROWNBAG BUS CAMEL CAR CARROT "
    "CAT CHERRY CHILI CHILLI CLOUD COAST CORN COURGETTE DIVING DOG DOLPHIN DRUM DUCK EAGLE "
    "EAR EARTH EGG EGGPLANT ELEPHANT EMU EYE FERRY FISH FISHING FLUTE FOG FOOTBALL FROST "
    "GARLIC GIRAFFE GOLF GOOSE GRAPE GREENFROG GREENPLANT GUITAR HAMSTER HELICOPTER "
    "HIPPOPOTAMUS HORSE HYENA IBIS ICE ICECREAM IGUANA ISLAND JAGUAR JELLYFISH JET JEWELLERY "
    "JEWELRY KANGAROO KEY KITTEN KIWIFRUIT KNIFEANDFORK KOALA KOOKABURRA LEMON LETTUCE "
    "LIGHTNING LIME LION MANDOLIN MANGO MELON MOON MOTORCYCLE MUSHROOM NEST NIGHT NOODLES "
    "NOSE NUT OCEAN ONION ORANGE ORANGEFLOWER ORANGEPENCIL PARROT PEA PIANO PINEAPPLE "
    "PINGPONG PINKFLOWERS POTATO PUMPKIN PURPLEGLOVE QUAIL QUEEN QUOKKA RABBIT RADISH RAIN "
    "RAINBOW RECORDER REDGUITAR REDTELEPHONE RHINOCEROS ROCK RUNNING SHIP SKI SNOW SOCCER "
    "SQUIRREL STORM STRAWBERRY SUBWAY SUMMER SUNSET TIGER TOMATO TORTOISE TRACTOR TRAIN "
    "TROPICALFISH TRUCK TRUMPET TURTLE UMBRELLA UNDERGROUND UNICORN VIOLETFLOWERS VIOLIN "
    "VOLCANO WALLABY WATERMELON WHALE WHISTLE WHITECUP WHITEFLOWERS WIND WINTER XRAY "
    "XYLOPHONE YACHT YELLOWBALLOONS YELLOWFLOWERS YOGHURT ZEBRA ZIP ZOO ZUCCHINI";

// Spellings (and a few words) that differ in American English. The British sentences
// avoid them so that the American table needs only the colour/flavour changes.
const QStringList kBritishOnlyWords = {
    "grey",      "favourite", "favorite",   "metre",     "metres",  "centre",      "theatre",
    "tyre",      "tyres",     "aeroplane",  "neighbour", "mum",     "mummy",       "mom",
    "honour",    "harbour",   "behaviour",  "humour",    "odour",   "mould",       "moult",
    "plough",    "cosy",      "pyjamas",    "kerb",      "tonne",   "litre",       "cheque",
    "programme", "travelled", "travelling", "jeweller",  "woollen", "skilful",     "storey",
    "aluminium", "moustache", "doughnut",   "lorry",     "petrol",  "pavement",    "biscuit",
    "sweets",    "crisps",    "chips",      "holiday",   "railway", "nappy",       "rubbish",
    "torch",     "maths",     "queue",      "trousers",  "jumper",  "motorway",    "postman",
    "football",  "jewellery", "aubergine",  "courgette", "chilli",  "underground", "eggplant",
    "zucchini",  "soccer",    "subway",     "chili",     "jewelry"};
// Word forms that are usually spelled differently ("-our", "-ise", "-yse", "-re"),
// with the words of those forms that both variants share.
const QRegularExpression kBritishForms(
    QStringLiteral("^[a-z]*(our|ours|oured|ouring|ourite|ourful|is(e|es|ed|ing)|ys(e|es|ed|ing)"
                   "|[bt]re|[bt]res)$"));
const QStringList kSharedForms = {
    "our",      "ours",   "your",   "yours",    "four",      "hour",     "hours",     "flour",
    "pour",     "sour",   "tour",   "colour",   "colours",   "coloured", "colourful", "flavour",
    "flavours", "noise",  "rise",   "rises",    "wise",      "promise",  "surprise",  "exercise",
    "raise",    "praise", "cruise", "tortoise", "tortoises", "paradise"};

struct Entry {
    QString name;
    QStringList sentences;
};
struct LetterBlock {
    QString header;
    int count = 0;
    QList<Entry> entries;
};

QByteArray Table(const QString& name) {
    return seam().resource(QStringLiteral("DATA"), name);
}

QStringList Lines(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Parses a letter information table; fails the test on a broken structure.
QList<LetterBlock> LetterBlocks(const QString& table) {
    const QStringList lines = Lines(Table(table));
    QList<LetterBlock> blocks;
    int i = 0;
    while (i < lines.size()) {
        LetterBlock block;
        block.header = lines[i++];
        bool ok = false;
        block.count = i < lines.size() ? lines[i++].toInt(&ok) : -1;
        if (!ok || i + 4 * block.count > lines.size()) {
            qWarning("%s: block %s: bad count or cut short", qPrintable(table),
                     qPrintable(block.header));
            return {};
        }
        for (int e = 0; e < block.count; ++e, i += 4)
            block.entries.append({lines[i], lines.mid(i + 1, 3)});
        blocks.append(block);
    }
    return blocks;
}

QString Americanised(QString text) {
    text.replace("colours", "colors");
    text.replace("coloured", "colored");
    text.replace("colour", "color");
    text.replace("Colour", "Color");
    text.replace("flavour", "flavor");
    return text;
}

QStringList EntryNames(const QList<LetterBlock>& blocks) {
    QStringList names;
    for (const LetterBlock& block : blocks)
        for (const Entry& entry : block.entries)
            names << entry.name;
    return names;
}

} // namespace

class TestContentShipped : public QObject {
    Q_OBJECT

private slots:
    void init() { m_seam = std::make_unique<TestSeam>(); }
    void cleanup() { m_seam.reset(); }

    void textForm_data() {
        QTest::addColumn<QString>("table");
        for (const QString& table : kTables)
            QTest::newRow(qPrintable(table)) << table;
    }
    void textForm() {
        QFETCH(QString, table);
        const QByteArray bytes = Table(table);
        QVERIFY2(!bytes.isEmpty(), "table missing from the resource table");
        QVERIFY2(bytes.size() < 17000, qPrintable(QString::number(bytes.size())));
        QVERIFY2(bytes.endsWith("\r\n"), "the last line must end with CR LF");
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '\r')
                QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', "CR without LF");
            else if (c == '\n')
                QVERIFY2(i > 0 && bytes[i - 1] == '\r', "LF without CR");
            else
                QVERIFY2(c >= 32 && c < 127 && c != '|',
                         qPrintable(QStringLiteral("byte %1 at %2").arg(int(c)).arg(i)));
        }
        for (const QString& line : Lines(bytes)) {
            QVERIFY2(!line.isEmpty(), "empty line");
            QVERIFY2(line == line.trimmed(), qPrintable(line));
            QVERIFY2(line.size() <= 63, qPrintable(line));
        }
    }

    void categoryTables_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("american");
        QTest::newRow("British") << "ENG_WRDS" << false;
        QTest::newRow("American") << "US_WRDS" << true;
    }
    void categoryTables() {
        QFETCH(QString, table);
        QFETCH(bool, american);
        QStringList expected;
        int words = 0;
        for (const Category& category : kCategories) {
            const QStringList list =
                Split(american && category.american ? category.american : category.british);
            expected << category.key << QString::number(list.size()) << list;
            words += list.size();
        }
        QCOMPARE(words, 159);
        const QStringList lines = Lines(Table(table));
        QCOMPARE(lines, expected);
        const QRegularExpression key(QStringLiteral("^[A-Z]+$"));
        for (const QString& line : lines)
            if (!line.front().isDigit() && !key.match(line).hasMatch())
                QVERIFY2(line.size() <= 15 && line != line.toUpper(), qPrintable(line));
    }

    void letterTables_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("american");
        QTest::newRow("British") << "ENG_INF" << false;
        QTest::newRow("American") << "US_INF" << true;
    }
    void letterTables() {
        QFETCH(QString, table);
        QFETCH(bool, american);
        const QList<LetterBlock> blocks = LetterBlocks(table);
        QCOMPARE(blocks.size(), 26);
        int entries = 0;
        for (int b = 0; b < 26; ++b) {
            const QChar letter(u'A' + b);
            const LetterBlock& block = blocks[b];
            QCOMPARE(block.header, QString(letter));
            const QString names = american && kAmericanEntries.contains(letter)
                                      ? kAmericanEntries[letter]
                                      : QString::fromLatin1(kBritishEntries[b]);
            QCOMPARE(EntryNames({block}), Split(names));
            entries += block.count;
            QString previous;
            for (const Entry& entry : block.entries) {
                const QString sortKey = entry.name.toLower().remove(u' ');
                QVERIFY2(previous < sortKey, qPrintable(entry.name));
                previous = sortKey;
                for (const QString& sentence : entry.sentences) {
                    QVERIFY2(sentence.front().isUpper() && sentence.endsWith(u'.') &&
                                 !sentence.contains(QStringLiteral("  ")),
                             qPrintable(sentence));
                }
            }
        }
        QCOMPARE(entries, 157);
    }

    void fixedSentences_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("sentences");
        for (const FixedEntry& entry : kFixedEntries)
            QTest::addRow("%s %s", entry.table, entry.name)
                << entry.table << entry.name
                << QStringList{entry.sentences[0], entry.sentences[1], entry.sentences[2]};
    }
    void fixedSentences() {
        QFETCH(QString, table);
        QFETCH(QString, name);
        QFETCH(QStringList, sentences);
        const QList<LetterBlock> blocks = LetterBlocks(table);
        QVERIFY(!blocks.isEmpty());
        const QList<Entry>& entries = blocks[name.front().unicode() - u'A'].entries;
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const Entry& e) { return e.name == name; });
        QVERIFY(found != entries.end());
        QCOMPARE(found->sentences, sentences);
    }

    // The American letter table is the British one with the colour and flavour
    // spellings changed, apart from the six entries that are exchanged.
    void americanLettersFollowBritish() {
        QHash<QString, QStringList> american;
        for (const LetterBlock& block : LetterBlocks("US_INF"))
            for (const Entry& entry : block.entries)
                american.insert(entry.name, entry.sentences);
        int shared = 0;
        for (const LetterBlock& block : LetterBlocks("ENG_INF")) {
            for (const Entry& entry : block.entries) {
                if (kExchangedBritish.contains(entry.name)) {
                    QVERIFY2(!american.contains(entry.name), qPrintable(entry.name));
                    continue;
                }
                QVERIFY2(american.contains(entry.name), qPrintable(entry.name));
                QStringList expected;
                for (const QString& sentence : entry.sentences)
                    expected << Americanised(sentence);
                QCOMPARE(american.value(entry.name), expected);
                ++shared;
            }
        }
        QCOMPARE(shared, 151);
    }

    // Outside the entries that name them, the sentences use no word that is spelled
    // or said differently in American English.
    void sentencesAvoidBritishOnlyWords_data() {
        QTest::addColumn<QString>("table");
        QTest::newRow("British") << "ENG_INF";
        QTest::newRow("American") << "US_INF";
    }
    void sentencesAvoidBritishOnlyWords() {
        QFETCH(QString, table);
        const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
        for (const LetterBlock& block : LetterBlocks(table)) {
            for (const Entry& entry : block.entries) {
                bool fixed = false;
                for (const FixedEntry& f : kFixedEntries)
                    fixed = fixed || (table == f.table && entry.name == f.name);
                if (fixed)
                    continue;
                for (const QString& sentence : entry.sentences) {
                    auto it = word.globalMatch(sentence);
                    while (it.hasNext()) {
                        const QString w = it.next().captured().toLower();
                        const bool ownName = entry.name.toLower().split(u' ').contains(w);
                        QVERIFY2(ownName || !kBritishOnlyWords.contains(w),
                                 qPrintable(entry.name + ": " + sentence));
                        QVERIFY2(!kBritishForms.match(w).hasMatch() || kSharedForms.contains(w),
                                 qPrintable(entry.name + ": " + sentence));
                        if (table == "US_INF")
                            QVERIFY2(!w.contains("colour") && !w.contains("flavour"),
                                     qPrintable(sentence));
                    }
                }
            }
        }
    }

    void pictureWordLists_data() {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("pictures");
        QTest::newRow("British") << "ENG_INF"
                                 << "ENG_PICANDWORDS";
        QTest::newRow("American") << "US_INF"
                                  << "US_PICANDWORDS";
    }
    void pictureWordLists() {
        QFETCH(QString, letters);
        QFETCH(QString, pictures);
        QStringList expected = EntryNames(LetterBlocks(letters));
        expected.replace(expected.indexOf("Ice cream"), "Ice Cream");
        if (letters == "ENG_INF") {
            QVERIFY(expected.removeOne("Courgette"));
            expected << "Zucchini";
        }
        const QStringList words = Lines(Table(pictures));
        QCOMPARE(words.size(), 157);
        QCOMPARE(words, expected);
        QCOMPARE(words.last(), QStringLiteral("Zucchini"));
    }

    void wordsMapToTheResourceNames() {
        QSet<QString> names;
        for (const char* table : {"ENG_WRDS", "US_WRDS"}) {
            const QStringList lines = Lines(Table(table));
            for (int i = 0; i + 1 < lines.size();) {
                const int count = lines[i + 1].toInt();
                for (int w = 0; w < count; ++w)
                    names << WordResourceName(lines[i + 2 + w]);
                i += 2 + count;
            }
        }
        for (const char* table : {"ENG_INF", "US_INF"})
            for (const QString& name : EntryNames(LetterBlocks(table)))
                names << WordResourceName(name);
        for (const char* table : {"ENG_PICANDWORDS", "US_PICANDWORDS"})
            for (const QString& word : Lines(Table(table)))
                names << WordResourceName(word);
        const QStringList expectedList = QString(kResourceNames).split(u' ');
        const QSet<QString> expected(expectedList.begin(), expectedList.end());
        QCOMPARE(expected.size(), 165);
        QCOMPARE(names - expected, QSet<QString>());
        QCOMPARE(expected - names, QSet<QString>());
    }

private:
    std::unique_ptr<TestSeam> m_seam;
};

QTEST_GUILESS_MAIN(TestContentShipped)
#include "tst_contentshipped.moc"
