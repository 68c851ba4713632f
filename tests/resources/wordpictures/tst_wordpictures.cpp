// Checks the word pictures that the program carries (resource type "CUSTOM"): one
// picture for every word of the shipped content tables and none besides, each a
// progressive JPEG of 300 x 225 pixels that decodes, no two words sharing a picture
// unless they are the British and American names of one thing, and a credits row
// for every picture.
#include "content/wordresourcename.h"
#include "shell/resourcetable.h"
#include "support/jpegmarkers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace lxp;

namespace {

QString sourcePath(const QString& relative)
{
    return QStringLiteral(LEXIPOND_SOURCE_DIR "/") + relative;
}

QStringList tableLines(const QString& name)
{
    const QString text = QString::fromLatin1(ResourceTable::read(QStringLiteral("DATA"), name));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Words of a category table: blocks of a key line, a count line and that many words.
QStringList categoryWords(const QString& table)
{
    const QStringList lines = tableLines(table);
    QStringList words;
    for (int at = 0; at + 1 < lines.size();) {
        const int count = lines[at + 1].toInt();
        words += lines.mid(at + 2, count);
        at += 2 + count;
    }
    return words;
}

// Entry names of a letter table: blocks of a letter, a count and four lines an entry.
QStringList letterWords(const QString& table)
{
    const QStringList lines = tableLines(table);
    QStringList words;
    for (int at = 0; at + 1 < lines.size();) {
        const int count = lines[at + 1].toInt();
        for (int entry = 0; entry < count && at + 2 + 4 * entry < lines.size(); ++entry)
            words << lines[at + 2 + 4 * entry];
        at += 2 + 4 * count;
    }
    return words;
}

// Resource names of every word of the six shipped tables.
QSet<QString> wordNames()
{
    QStringList words;
    for (const char* variant : {"ENG_", "US_"}) {
        const QString v = QLatin1String(variant);
        words += categoryWords(v + QStringLiteral("WRDS"));
        words += letterWords(v + QStringLiteral("INF"));
        words += tableLines(v + QStringLiteral("PICANDWORDS"));
    }
    QSet<QString> names;
    for (const QString& w : words)
        names.insert(WordResourceName(w));
    return names;
}

// Pairs of names that are the British and American word for one thing: the only
// words that may share a picture.
const QSet<QSet<QString>> kSamePicture = {
    {"AUBERGINE", "EGGPLANT"}, {"CHILLI", "CHILI"},        {"COURGETTE", "ZUCCHINI"},
    {"JEWELLERY", "JEWELRY"},  {"UNDERGROUND", "SUBWAY"}, {"FOOTBALL", "SOCCER"},
};

} // namespace

class TestWordPictures : public QObject
{
    Q_OBJECT

private slots:
    void namesMatchTheWordsOfTheTables();
    void picture_data();
    void picture();
    void onlyOneNameOfAThingSharesItsPicture();
    void everyPictureIsCredited();
};

void TestWordPictures::namesMatchTheWordsOfTheTables()
{
    const QSet<QString> words = wordNames();
    QCOMPARE(words.size(), 165);
    const QStringList names = ResourceTable::names(QStringLiteral("CUSTOM"));
    const QSet<QString> pictures(names.begin(), names.end());
    QCOMPARE(pictures.size(), names.size());
    for (const QString& w : words)
        QVERIFY2(pictures.contains(w), qPrintable(QStringLiteral("no picture for ") + w));
    for (const QString& p : pictures)
        QVERIFY2(words.contains(p), qPrintable(QStringLiteral("picture of no word: ") + p));
}

void TestWordPictures::picture_data()
{
    QTest::addColumn<QString>("name");
    QStringList names = wordNames().values();
    names.sort();
    for (const QString& n : names)
        QTest::newRow(qPrintable(n)) << n;
}

void TestWordPictures::picture()
{
    QFETCH(QString, name);
    const QByteArray bytes = ResourceTable::read(QStringLiteral("CUSTOM"), name);
    QVERIFY2(!bytes.isEmpty(), "missing");
    QCOMPARE(jpegFrameMarkers(bytes), QList<int>{0xC2});

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(300, 225));

    // Something is drawn: the middle of the picture is not one flat colour.
    double sum = 0, sumSq = 0;
    int n = 0;
    for (int y = 60; y < 165; y += 3)
        for (int x = 80; x < 220; x += 3) {
            const double g = qGray(image.pixel(x, y));
            sum += g;
            sumSq += g * g;
            ++n;
        }
    const double mean = sum / n;
    QVERIFY2(std::sqrt(sumSq / n - mean * mean) > 12.0, "the middle of the picture is flat");
}

void TestWordPictures::onlyOneNameOfAThingSharesItsPicture()
{
    QHash<QByteArray, QString> owner;
    for (const QString& name : ResourceTable::names(QStringLiteral("CUSTOM"))) {
        const QByteArray bytes = ResourceTable::read(QStringLiteral("CUSTOM"), name);
        const auto it = owner.constFind(bytes);
        if (it == owner.constEnd()) {
            owner.insert(bytes, name);
            continue;
        }
        QVERIFY2(kSamePicture.contains(QSet<QString>{*it, name}),
                 qPrintable(QStringLiteral("%1 and %2 share a picture").arg(*it, name)));
    }
}

void TestWordPictures::everyPictureIsCredited()
{
    QFile file(sourcePath(QStringLiteral("resources/credits/wordpictures.tsv")));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), QStringLiteral("file\tsource\tlicence\tnotes"));

    QSet<QString> credited;
    for (const QString& line : lines.mid(1)) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        QCOMPARE(cells.size(), 4);
        QVERIFY2(!credited.contains(cells[0]), qPrintable(cells[0] + QStringLiteral(" twice")));
        credited.insert(cells[0]);
        QVERIFY2(QFile::exists(sourcePath(QStringLiteral("resources/credits/sources/%1.txt").arg(cells[1]))),
                 qPrintable(QStringLiteral("no description of source ") + cells[1]));
        QVERIFY2(!cells[2].isEmpty() && !cells[3].isEmpty(), qPrintable(line));
    }
    const QStringList files = QDir(sourcePath(QStringLiteral("resources/CUSTOM"))).entryList(QDir::Files);
    QCOMPARE(credited.size(), files.size());
    for (const QString& f : files)
        QVERIFY2(credited.contains(QStringLiteral("resources/CUSTOM/") + f), qPrintable(f + QStringLiteral(" not credited")));
}

QTEST_GUILESS_MAIN(TestWordPictures)
#include "tst_wordpictures.moc"
