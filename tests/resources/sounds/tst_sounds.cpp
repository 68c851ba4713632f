#include "shell/resourcetable.h"

#include <QSet>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>

using namespace lxp;

// Checks every shipped sound: the 165 word recordings, the 26 letter names and the
// 8 effects, as the program finds them in its resource table.
namespace {

// Words whose recordings ship when the content tables are not in the resource table
// (the resource name of each: its text without spaces, in capitals).
const char* const kWordNames[] = {
        "AIRPLANE", "AMBULANCE", "APPLE", "AUBERGINE", "AUTUMN", "BANANA", "BASEBALL",
        "BASKETBALL", "BEAR", "BICYCLE", "BLACKBERRY", "BLACKSHOE", "BLUEBERRY", "BLUECAR",
        "BLUESEA", "BROCCOLI", "BROWNBAG", "BUS", "CAMEL", "CAR", "CARROT", "CAT", "CHERRY",
        "CHILI", "CHILLI", "CLOUD", "COAST", "CORN", "COURGETTE", "DIVING", "DOG", "DOLPHIN",
        "DRUM", "DUCK", "EAGLE", "EAR", "EARTH", "EGG", "EGGPLANT", "ELEPHANT", "EMU", "EYE",
        "FERRY", "FISH", "FISHING", "FLUTE", "FOG", "FOOTBALL", "FROST", "GARLIC", "GIRAFFE",
        "GOLF", "GOOSE", "GRAPE", "GREENFROG", "GREENPLANT", "GUITAR", "HAMSTER", "HELICOPTER",
        "HIPPOPOTAMUS", "HORSE", "HYENA", "IBIS", "ICE", "ICECREAM", "IGUANA", "ISLAND", "JAGUAR",
        "JELLYFISH", "JET", "JEWELLERY", "JEWELRY", "KANGAROO", "KEY", "KITTEN", "KIWIFRUIT",
        "KNIFEANDFORK", "KOALA", "KOOKABURRA", "LEMON", "LETTUCE", "LIGHTNING", "LIME", "LION",
        "MANDOLIN", "MANGO", "MELON", "MOON", "MOTORCYCLE", "MUSHROOM", "NEST", "NIGHT", "NOODLES",
        "NOSE", "NUT", "OCEAN", "ONION", "ORANGE", "ORANGEFLOWER", "ORANGEPENCIL", "PARROT", "PEA",
        "PIANO", "PINEAPPLE", "PINGPONG", "PINKFLOWERS", "POTATO", "PUMPKIN", "PURPLEGLOVE",
        "QUAIL", "QUEEN", "QUOKKA", "RABBIT", "RADISH", "RAIN", "RAINBOW", "RECORDER", "REDGUITAR",
        "REDTELEPHONE", "RHINOCEROS", "ROCK", "RUNNING", "SHIP", "SKI", "SNOW", "SOCCER",
        "SQUIRREL", "STORM", "STRAWBERRY", "SUBWAY", "SUMMER", "SUNSET", "TIGER", "TOMATO",
        "TORTOISE", "TRACTOR", "TRAIN", "TROPICALFISH", "TRUCK", "TRUMPET", "TURTLE", "UMBRELLA",
        "UNDERGROUND", "UNICORN", "VIOLETFLOWERS", "VIOLIN", "VOLCANO", "WALLABY", "WATERMELON",
        "WHALE", "WHISTLE", "WHITECUP", "WHITEFLOWERS", "WIND", "WINTER", "XRAY", "XYLOPHONE",
        "YACHT", "YELLOWBALLOONS", "YELLOWFLOWERS", "YOGHURT", "ZEBRA", "ZIP", "ZOO", "ZUCCHINI"
};

const char* const kEffectNames[] = {"BELLHIGH", "BELLLOW", "BUBBLES", "BUTTON",
                                    "CLICK",    "LOOSE",   "POP",     "WIN"};

// Longest sound of each type, in seconds: a sound blocks the program while it plays.
double limitOf(const QString& type)
{
    if (type == "WORDS")
        return 1.30;
    if (type == "LETTERS")
        return 0.75;
    return 0.90;
}

constexpr int kRate = 44100;
constexpr double kOnsetLimit = 0.030;  // sound must start within 30 ms
constexpr int kOnsetThreshold = 328;   // -40 dBFS
constexpr int kPeakLimit = 32000;      // peaks stay below full scale (-0.2 dBFS)

struct Wav {
    QString error;
    quint16 format = 0, channels = 0, bits = 0, blockAlign = 0;
    quint32 rate = 0, byteRate = 0;
    qsizetype dataOffset = -1;
    QList<qint16> samples;
};

quint32 u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Reads a RIFF WAVE image: its "fmt " chunk and its 16-bit samples.
Wav parseWav(const QByteArray& b)
{
    Wav w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        w.error = "not a RIFF WAVE file";
        return w;
    }
    if (u32(b, 4) != quint32(b.size() - 8)) {
        w.error = "RIFF size does not match the file size";
        return w;
    }
    bool haveFmt = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = u32(b, at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > b.size()) {
            w.error = "chunk " + QString::fromLatin1(id) + " runs past the end";
            return w;
        }
        if (id == "fmt ") {
            if (size < 16) {
                w.error = "short fmt chunk";
                return w;
            }
            w.format = u16(b, body);
            w.channels = u16(b, body + 2);
            w.rate = u32(b, body + 4);
            w.byteRate = u32(b, body + 8);
            w.blockAlign = u16(b, body + 12);
            w.bits = u16(b, body + 14);
            haveFmt = true;
        } else if (id == "data") {
            if (!haveFmt) {
                w.error = "data chunk before fmt chunk";
                return w;
            }
            w.dataOffset = body;
            w.samples.resize(size / 2);
            for (qsizetype i = 0; i < w.samples.size(); ++i)
                w.samples[i] = qFromLittleEndian<qint16>(b.constData() + body + 2 * i);
        }
        at = body + size + (size & 1);
    }
    if (!haveFmt || w.dataOffset < 0)
        w.error = "fmt or data chunk missing";
    return w;
}

// RMS in dBFS over the 20 ms frames within 30 dB of the loudest one: the level that
// is heard, however long the pauses inside "knife and fork" are.
double activeLevelDb(const QList<qint16>& s)
{
    const int frame = kRate / 50;
    QList<double> levels;
    for (qsizetype i = 0; i + frame <= s.size(); i += frame) {
        double sum = 0;
        for (int k = 0; k < frame; ++k)
            sum += double(s[i + k]) * s[i + k];
        levels.append(std::sqrt(sum / frame) / 32768.0);
    }
    if (levels.isEmpty())
        return -200;
    const double floor = *std::max_element(levels.begin(), levels.end()) * std::pow(10, -30 / 20.0);
    double sum = 0;
    int n = 0;
    for (double l : levels) {
        if (l >= floor) {
            sum += l * l;
            ++n;
        }
    }
    return 20 * std::log10(std::sqrt(sum / n));
}

// Words of the six content tables, when they are in the resource table.
QSet<QString> wordNamesFromTables()
{
    QSet<QString> names;
    const auto addWord = [&names](QString word) {
        names.insert(word.remove(' ').toUpper());
    };
    for (const QString variant : {"ENG_", "US_"}) {
        const auto lines = [&](const QString& kind) {
            return QString::fromLatin1(ResourceTable::read("DATA", variant + kind))
                .split("\r\n", Qt::SkipEmptyParts);
        };
        const QStringList wrds = lines("WRDS");
        for (qsizetype i = 0; i + 1 < wrds.size();) {
            const int count = wrds[i + 1].toInt();
            for (int k = 0; k < count && i + 2 + k < wrds.size(); ++k)
                addWord(wrds[i + 2 + k]);
            i += 2 + count;
        }
        const QStringList inf = lines("INF");
        for (qsizetype i = 0; i + 1 < inf.size();) {
            const int count = qRound(inf[i + 1].toDouble());
            for (int k = 0; k < count && i + 2 + 4 * k < inf.size(); ++k)
                addWord(inf[i + 2 + 4 * k]);
            i += 2 + 4 * count;
        }
        for (const QString& word : lines("PICANDWORDS"))
            addWord(word);
    }
    return names;
}

QStringList expectedNames(const QString& type)
{
    QStringList names;
    if (type == "WORDS") {
        const QSet<QString> fromTables = wordNamesFromTables();
        if (!fromTables.isEmpty()) {
            names = fromTables.values();
        } else {
            for (const char* n : kWordNames)
                names << QString::fromLatin1(n);
        }
    } else if (type == "LETTERS") {
        for (char c = 'A'; c <= 'Z'; ++c)
            names << QString(QChar(c));
    } else {
        for (const char* n : kEffectNames)
            names << QString::fromLatin1(n);
    }
    names.sort();
    return names;
}

} // namespace

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    void exactlyTheExpectedSounds_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("count");
        QTest::newRow("words") << "WORDS" << 165;
        QTest::newRow("letters") << "LETTERS" << 26;
        QTest::newRow("effects") << "AUDIO" << 8;
    }
    void exactlyTheExpectedSounds()
    {
        QFETCH(QString, type);
        QFETCH(int, count);
        const QStringList expected = expectedNames(type);
        QCOMPARE(expected.size(), count);
        QCOMPARE(ResourceTable::names(type), expected);
    }

    void eachSound_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        for (const QString type : {"WORDS", "LETTERS", "AUDIO"}) {
            for (const QString& name : expectedNames(type))
                QTest::newRow(qPrintable(type + "/" + name)) << type << name;
        }
    }
    void eachSound()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        const QByteArray bytes = ResourceTable::read(type, name);
        QVERIFY2(!bytes.isEmpty(), "missing");
        const Wav w = parseWav(bytes);
        QVERIFY2(w.error.isEmpty(), qPrintable(w.error));

        // PCM, 44100 Hz, 16-bit, mono, with the plain 44-byte header
        QCOMPARE(w.format, quint16(1));
        QCOMPARE(w.channels, quint16(1));
        QCOMPARE(w.rate, quint32(kRate));
        QCOMPARE(w.bits, quint16(16));
        QCOMPARE(w.blockAlign, quint16(2));
        QCOMPARE(w.byteRate, quint32(2 * kRate));
        QCOMPARE(w.dataOffset, qsizetype(44));

        const double seconds = double(w.samples.size()) / kRate;
        QVERIFY2(seconds <= limitOf(type), qPrintable(QString("%1 s long").arg(seconds)));
        QVERIFY2(seconds >= 0.05, qPrintable(QString("only %1 s long").arg(seconds)));

        // starts at once: the first audible sample lies within 30 ms
        qsizetype onset = 0;
        while (onset < w.samples.size() && std::abs(int(w.samples[onset])) < kOnsetThreshold)
            ++onset;
        QVERIFY2(onset < w.samples.size(), "silent");
        QVERIFY2(onset <= qsizetype(kOnsetLimit * kRate),
                 qPrintable(QString("starts after %1 ms").arg(1000.0 * onset / kRate)));

        int peak = 0;
        for (qint16 x : w.samples)
            peak = std::max(peak, std::abs(int(x)));
        QVERIFY2(peak < kPeakLimit, qPrintable(QString("peak %1 of 32767").arg(peak)));
    }

    // Words and letters follow one another in the lessons: none may stand out as
    // louder or softer than the rest.
    void speechEvenlyLoud()
    {
        QList<QPair<double, QString>> levels;
        for (const QString type : {"WORDS", "LETTERS"}) {
            for (const QString& name : expectedNames(type)) {
                const Wav w = parseWav(ResourceTable::read(type, name));
                if (w.error.isEmpty())
                    levels.append({activeLevelDb(w.samples), type + "/" + name});
            }
        }
        QCOMPARE(levels.size(), 165 + 26);
        std::sort(levels.begin(), levels.end());
        const double median = levels[levels.size() / 2].first;
        for (const auto& [db, name] : levels) {
            QVERIFY2(std::abs(db - median) <= 1.5,
                     qPrintable(QString("%1 at %2 dB, median %3 dB").arg(name).arg(db).arg(median)));
        }
    }

    // The reader itself must refuse what the checks rely on it to refuse.
    void readerRejectsBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray good = ResourceTable::read("AUDIO", "POP");
        QByteArray truncated = good.left(good.size() - 10);
        QByteArray notWave = good;
        notWave.replace(8, 4, "AVI ");
        QByteArray noData = good.left(36);
        qToLittleEndian<quint32>(28, noData.data() + 4);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << truncated;
        QTest::newRow("not WAVE") << notWave;
        QTest::newRow("no data chunk") << noData;
    }
    void readerRejectsBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!parseWav(bytes).error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
