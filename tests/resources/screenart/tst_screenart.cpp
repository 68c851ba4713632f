// Checks the window backgrounds, button faces, cursor, icon and screen pictures that
// the program carries: names, sizes, file formats, and the few properties of their
// looks that the screens rely on (distinct faces, a readable caption band).
#include "shell/resourcetable.h"
#include "support/jpegmarkers.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace lxp;

namespace {

const QStringList kLiveFaces = {"NORMAL", "HL", "PRESSED"};
const QStringList kAllFaces = {"NORMAL", "HL", "PRESSED", "DISABLED"};

QString sourcePath(const QString& relative)
{
    return QStringLiteral(LEXIPOND_SOURCE_DIR "/") + relative;
}

QByteArray readSourceFile(const QString& relative)
{
    QFile f(sourcePath(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage decode(const QByteArray& bytes, QByteArray* format = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (format)
        *format = reader.format();
    return reader.read();
}

quint16 le16(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 le32(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

double channel(int c)
{
    const double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
double luminance(QRgb c)
{
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct ScreenPicture {
    QString folder; // below resources/screens/
    QString name;
    int width;
    int height;
};

// Every picture that screens keep for themselves, as the screens name them.
QList<ScreenPicture> screenPictures()
{
    QList<ScreenPicture> list;
    for (const QString& lesson : QStringList{"ALPHABET", "WORDS", "PICANDWORDS", "WRITEALONG", "PAIRS"})
        for (const QString& face : kLiveFaces)
            list.append({"frmMAINMENU", "btnp" + lesson + "_" + face, 150, 112});
    for (const QString& tag : QStringList{"Animals", "Colors", "Fruit", "General", "Musical", "Natural", "Pets",
                               "Sports", "Transport", "Vegetables"})
        for (const QString& face : kLiveFaces)
            list.append({"frmLESSWRDM", "btnpPICWORD1_" + tag + "_" + face, 100, 80});
    for (char c = 'A'; c <= 'Z'; ++c)
        for (const QString& face : kAllFaces) {
            list.append({"letters", QString("btnpLETTERS_%1_%2").arg(QChar(c), face), 44, 44});
            list.append({"frmLESSPCWD", QString("btnpLETTER_%1_%2").arg(QChar(c), face), 41, 41});
        }
    for (const QString& option : QStringList{"AMERICAN", "ENGLISH", "ENGHELP", "KOREAN"})
        for (const QString& face : kLiveFaces)
            list.append({"frmLANGUAGE", "btnp" + option + "_" + face, 120, 80});
    list.append({"frmABOUTLXP", "imgImage1", 48, 48});
    list.append({"frmABOUTLXP", "imgImage2", 96, 96});
    list.append({"common", "BTNSPEAKERDISABLED", 40, 39});
    return list;
}

} // namespace

class TestScreenArt : public QObject {
    Q_OBJECT
private slots:
    void backgroundsAreBaselineJpegs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("MAIN") << "MAIN" << QSize(670, 560);
        QTest::newRow("WINDOW") << "WINDOW" << QSize(670, 560);
        QTest::newRow("LANGUAGE") << "LANGUAGE" << QSize(621, 539);
        QTest::newRow("MSGBOX") << "MSGBOX" << QSize(527, 250);
    }
    void backgroundsAreBaselineJpegs()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray bytes = ResourceTable::read("DIALOG", name);
        QVERIFY2(!bytes.isEmpty(), qPrintable("no DIALOG resource " + name));
        QCOMPARE(jpegFrameMarkers(bytes), QList<int>{0xC0});
        QByteArray format;
        const QImage image = decode(bytes, &format);
        QCOMPARE(format, QByteArray("jpeg"));
        QCOMPARE(image.size(), size);
    }

    void buttonFacesAre24BitBitmaps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const QString& face : kAllFaces)
            QTest::newRow(qPrintable("BTN" + face)) << "BTN" + face << QSize(140, 39);
        for (const QString& face : kLiveFaces)
            QTest::newRow(qPrintable("BTNSPEAKER" + face)) << "BTNSPEAKER" + face << QSize(40, 39);
    }
    void buttonFacesAre24BitBitmaps()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray bmp = ResourceTable::read("BITMAP", name);
        QVERIFY2(bmp.size() > 54, qPrintable("no BITMAP resource " + name));
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(le32(bmp, 14), 40u);             // BITMAPINFOHEADER
        QCOMPARE(int(le32(bmp, 18)), size.width());
        QCOMPARE(std::abs(int(le32(bmp, 22))), size.height());
        QCOMPARE(le16(bmp, 28), quint16(24));     // bits per pixel
        QCOMPARE(le32(bmp, 30), 0u);              // uncompressed
        QCOMPARE(decode(bmp).size(), size);
    }

    void noDisabledSpeakerFaceInTheTable()
    {
        // The speaker button keeps the disabled face stored with its screen.
        QVERIFY(!ResourceTable::contains("BITMAP", "BTNSPEAKERDISABLED"));
        QVERIFY(ResourceTable::contains("screens/common", "BTNSPEAKERDISABLED"));
    }

    void facesOfASetDiffer_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("BTN") << "BITMAP"
                             << QStringList{"BTNNORMAL", "BTNHL", "BTNPRESSED", "BTNDISABLED"};
        QTest::newRow("BTNSPEAKER")
            << "BITMAP" << QStringList{"BTNSPEAKERNORMAL", "BTNSPEAKERHL", "BTNSPEAKERPRESSED"};
        QTest::newRow("letter A") << "screens/letters"
                                  << QStringList{"btnpLETTERS_A_NORMAL", "btnpLETTERS_A_HL",
                                                 "btnpLETTERS_A_PRESSED", "btnpLETTERS_A_DISABLED"};
        QTest::newRow("round Q") << "screens/frmLESSPCWD"
                                 << QStringList{"btnpLETTER_Q_NORMAL", "btnpLETTER_Q_HL",
                                                "btnpLETTER_Q_PRESSED", "btnpLETTER_Q_DISABLED"};
        QTest::newRow("pairs") << "screens/frmMAINMENU"
                               << QStringList{"btnpPAIRS_NORMAL", "btnpPAIRS_HL", "btnpPAIRS_PRESSED"};
        QTest::newRow("Korean") << "screens/frmLANGUAGE"
                                << QStringList{"btnpKOREAN_NORMAL", "btnpKOREAN_HL",
                                               "btnpKOREAN_PRESSED"};
    }
    void facesOfASetDiffer()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, names);
        QList<QImage> faces;
        for (const QString& name : names) {
            const QImage face = decode(ResourceTable::read(type, name));
            QVERIFY2(!face.isNull(), qPrintable(type + "/" + name));
            for (int i = 0; i < faces.size(); ++i)
                QVERIFY2(face.convertToFormat(QImage::Format_ARGB32)
                             != faces[i].convertToFormat(QImage::Format_ARGB32),
                         qPrintable(name + " looks the same as " + names[i]));
            faces.append(face);
        }
    }

    void letterButtonsDiffer()
    {
        // 26 different letters: no face may be a copy of another letter's face.
        for (const QString& type : QStringList{"screens/letters", "screens/frmLESSPCWD"}) {
            QSet<QByteArray> seen;
            for (char c = 'A'; c <= 'Z'; ++c) {
                const QString prefix = type.endsWith("letters") ? "btnpLETTERS_" : "btnpLETTER_";
                const QByteArray bytes = ResourceTable::read(type, prefix + QChar(c) + "_NORMAL");
                QVERIFY(!bytes.isEmpty());
                QVERIFY2(!seen.contains(bytes), qPrintable(type + " " + QChar(c)));
                seen.insert(bytes);
            }
        }
    }

    void captionBandReadsInDarkRed_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& face : kAllFaces)
            QTest::newRow(qPrintable(face)) << "BTN" + face;
    }
    void captionBandReadsInDarkRed()
    {
        // The picture button writes its caption in RGB(192, 0, 0) into the band of
        // its caption label (x 3..138, y 9..31). Nearly all of that band must give the
        // caption a contrast of at least 4.5:1.
        QFETCH(QString, name);
        const QImage face = decode(ResourceTable::read("BITMAP", name));
        QVERIFY(!face.isNull());
        const QRgb caption = qRgb(192, 0, 0);
        int readable = 0, total = 0;
        for (int y = 9; y <= 31; ++y)
            for (int x = 8; x <= 131; ++x, ++total) // the rounded ends hold the outline
                readable += contrast(face.pixel(x, y), caption) >= 4.5 ? 1 : 0;
        QVERIFY2(readable >= total * 95 / 100,
                 qPrintable(QString("%1 of %2 pixels readable").arg(readable).arg(total)));
    }

    void cursorFileHasHotSpotAtTheFingertip()
    {
        const QByteArray cur = ResourceTable::read("CURSOR", "101");
        QVERIFY(cur.size() > 22 + 40);
        QCOMPARE(le16(cur, 0), quint16(0)); // reserved
        QCOMPARE(le16(cur, 2), quint16(2)); // 2 = cursor
        QCOMPARE(le16(cur, 4), quint16(1)); // one image
        QCOMPARE(quint8(cur[6]), quint8(32));
        QCOMPARE(quint8(cur[7]), quint8(32));
        QCOMPARE(le16(cur, 10), quint16(6)); // hot spot x
        QCOMPARE(le16(cur, 12), quint16(0)); // hot spot y
        const quint32 size = le32(cur, 14), offset = le32(cur, 18);
        QCOMPARE(qsizetype(offset + size), cur.size());
        QCOMPARE(le32(cur, offset), 40u);
        QCOMPARE(int(le32(cur, offset + 4)), 32);
        QCOMPARE(int(le32(cur, offset + 8)), 64); // colour and mask bitmaps
        QCOMPARE(le16(cur, offset + 14), quint16(1)); // monochrome
        // AND mask: 32 rows of 4 bytes after the 2-colour palette and the colour bitmap,
        // bottom row first; the hot spot pixel must be part of the hand (bit 0).
        const int mask = offset + 40 + 8 + 32 * 4;
        const int topRow = mask + 31 * 4;
        QVERIFY(!(quint8(cur[topRow + 6 / 8]) & (0x80 >> (6 % 8))));
        // and the platform's picture loader (its icon reader) reads it
        QCOMPARE(decode(cur).size(), QSize(32, 32));
    }

    void cursorPictureMatchesTheCursorFile()
    {
        const QImage png = decode(readSourceFile("resources/CURSOR/101.png"));
        QCOMPARE(png.size(), QSize(32, 32));
        QVERIFY(png.hasAlphaChannel());
        const QByteArray cur = ResourceTable::read("CURSOR", "101");
        const int mask = int(le32(cur, 18)) + 40 + 8 + 32 * 4;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb p = png.pixel(x, y);
                const bool transparent =
                    quint8(cur[mask + (31 - y) * 4 + x / 8]) & (0x80 >> (x % 8));
                QCOMPARE(qAlpha(p) == 0, transparent);
                if (qAlpha(p) != 0)
                    QVERIFY2(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255),
                             qPrintable(QString("pixel %1,%2 not black or white").arg(x).arg(y)));
            }
        QCOMPARE(qAlpha(png.pixel(6, 0)), 255);
    }

    void iconHoldsSixImages()
    {
        const QByteArray ico = ResourceTable::read("ICON", "LEXIPOND");
        QVERIFY(ico.size() > 6);
        QCOMPARE(le16(ico, 2), quint16(1)); // 1 = icon
        QCOMPARE(le16(ico, 4), quint16(6));
        QSet<QPair<int, int>> found;
        for (int i = 0; i < 6; ++i) {
            const int entry = 6 + 16 * i;
            const int size = quint8(ico[entry]);
            QCOMPARE(int(quint8(ico[entry + 1])), size);
            const quint16 bits = le16(ico, entry + 6);
            const quint32 length = le32(ico, entry + 8), offset = le32(ico, entry + 12);
            QVERIFY(qsizetype(offset + length) <= ico.size());
            // the image's own header agrees with its directory entry
            QCOMPARE(le32(ico, offset), 40u);
            QCOMPARE(int(le32(ico, offset + 4)), size);
            QCOMPARE(int(le32(ico, offset + 8)), size * 2);
            QCOMPARE(le16(ico, offset + 14), bits);
            // DIB header, palette (8-bit only), colours, then the 1-bit mask
            const int stride = ((size * bits + 31) / 32) * 4;
            const int maskStride = ((size + 31) / 32) * 4;
            const int palette = bits == 8 ? 256 * 4 : 0;
            QCOMPARE(int(length), 40 + palette + stride * size + maskStride * size);
            found.insert({size, bits});
        }
        const QSet<QPair<int, int>> expected = {{16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}};
        QCOMPARE(found, expected);
        // the platform's picture loader reads every image of it
        QBuffer buffer;
        buffer.setData(ico);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        QCOMPARE(reader.imageCount(), 6);
        for (int i = 0; i < 6; ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QVERIFY(QList<int>({16, 32, 48}).contains(image.width()));
        }
    }

    void iconPicturesForTheDesktop_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }
    void iconPicturesForTheDesktop()
    {
        QFETCH(int, size);
        QByteArray format;
        const QImage image = decode(ResourceTable::read("ICON", QString("LEXIPOND_%1").arg(size)), &format);
        QCOMPARE(format, QByteArray("png"));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // rounded tile: the corner is see-through
    }

    void screenPicturesExistWithTheirSizes()
    {
        const QList<ScreenPicture> pictures = screenPictures();
        QCOMPARE(pictures.size(), 15 + 30 + 104 + 104 + 12 + 2 + 1);
        for (const ScreenPicture& p : pictures) {
            const QString what = p.folder + "/" + p.name;
            QByteArray format;
            const QImage image = decode(ResourceTable::read("screens/" + p.folder, p.name), &format);
            QVERIFY2(!image.isNull(), qPrintable("missing " + what));
            QVERIFY2(format == "png", qPrintable(what + " is " + format));
            QVERIFY2(image.size() == QSize(p.width, p.height),
                     qPrintable(QString("%1 is %2x%3").arg(what).arg(image.width()).arg(image.height())));
        }
    }

    void noStrayScreenPictures()
    {
        // Every picture in the folders is one the screens ask for: nothing dead is compiled in.
        QSet<QString> expected;
        QSet<QString> folders;
        for (const ScreenPicture& p : screenPictures()) {
            expected.insert((p.folder + "/" + p.name).toUpper());
            folders.insert(p.folder);
        }
        for (const QString& folder : folders)
            for (const QString& name : ResourceTable::names("screens/" + folder))
                QVERIFY2(expected.contains((folder + "/" + name).toUpper()),
                         qPrintable("unexpected " + folder + "/" + name));
    }

    void everyFileHasACreditRow()
    {
        const QList<QByteArray> lines = readSourceFile("resources/credits/screenart.tsv").split('\n');
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.first(), QByteArray("file\tsource\tlicence\tnotes"));
        QHash<QString, QString> sourceOf;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            if (lines[i].isEmpty())
                continue;
            const QList<QByteArray> cells = lines[i].split('\t');
            QCOMPARE(cells.size(), 4);
            QVERIFY2(QFile::exists(sourcePath(cells[0])), cells[0].constData());
            sourceOf.insert(QString::fromUtf8(cells[0]), QString::fromUtf8(cells[1]));
        }
        QStringList shipped = {"resources/CURSOR/101.cur", "resources/CURSOR/101.png",
                               "resources/ICON/LEXIPOND.ico"};
        for (const QString& name : QStringList{"MAIN", "WINDOW", "LANGUAGE", "MSGBOX"})
            shipped << "resources/DIALOG/" + name + ".jpg";
        for (const QString& face : kAllFaces)
            shipped << "resources/BITMAP/BTN" + face + ".bmp";
        for (const QString& face : kLiveFaces)
            shipped << "resources/BITMAP/BTNSPEAKER" + face + ".bmp";
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            shipped << QString("resources/ICON/LEXIPOND_%1.png").arg(size);
        for (const ScreenPicture& p : screenPictures())
            shipped << "resources/screens/" + p.folder + "/" + p.name + ".png";
        for (const QString& file : shipped)
            QVERIFY2(sourceOf.contains(file), qPrintable("no credit row for " + file));
        QCOMPARE(sourceOf.size(), shipped.size());
        // Our own sources are described; the emoji source is described by the word pictures.
        for (const QString& source : QSet<QString>(sourceOf.begin(), sourceOf.end())) {
            QVERIFY2(QStringList({"lexipond-art", "comic-neue", "noto-cjk", "fluent-emoji"}).contains(source),
                     qPrintable("unknown source " + source));
            if (source != "fluent-emoji")
                QVERIFY2(QFile::exists(sourcePath("resources/credits/sources/" + source + ".txt")),
                         qPrintable("no description of " + source));
        }
    }
};

QTEST_GUILESS_MAIN(TestScreenArt)
#include "tst_screenart.moc"
