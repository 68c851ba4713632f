// Checks the window backgrounds, button faces, cursor, icon and screen pictures:
// names, sizes, file formats, and what the screens rely on in their looks (faces that
// differ, a readable caption band).
#include "support/jpegmarkers.h"
#include "support/shippedcontent.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace lxp;

namespace {

const QStringList kLiveFaces = {"NORMAL", "HL", "PRESSED"};
const QStringList kAllFaces = kLiveFaces + QStringList{"DISABLED"};

QImage decode(QByteArray bytes, QByteArray* format = nullptr) {
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    if (format)
        *format = reader.format();
    return reader.read();
}

quint32 le(const QByteArray& b, qsizetype at, int bytes = 4) {
    return bytes == 2 ? qFromLittleEndian<quint16>(b.constData() + at)
                      : qFromLittleEndian<quint32>(b.constData() + at);
}

double luminance(QRgb c) {
    const auto lin = [](int v) {
        return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

// Every face of every element: the pattern's %1 is the element, %2 the face.
QStringList faces(const QString& pattern, const QStringList& elements, const QStringList& faces) {
    QStringList names;
    for (const QString& element : elements)
        for (const QString& face : faces)
            names << pattern.arg(element, face);
    return names;
}

QStringList letters() {
    QStringList list;
    for (char c = 'A'; c <= 'Z'; ++c)
        list << QString(QChar(c));
    return list;
}

} // namespace

class TestScreenArt : public QObject {
    Q_OBJECT
private slots:
    // Every window background, button face, desktop icon and picture of a screen (as
    // resources/screens/README.md lists them) with its size and format: baseline JPEG,
    // 24-bit BMP, PNG see-through at the corner (but the opaque speaker face). No two
    // pictures of a folder look alike, and nothing else is compiled into the folders.
    void picturesExistWithTheirSizes() {
        const QStringList lessons = {"ALPHABET", "WORDS", "PICANDWORDS", "WRITEALONG", "PAIRS"};
        const QStringList tags = {"Animals", "Colors", "Fruit",  "General",   "Musical",
                                  "Natural", "Pets",   "Sports", "Transport", "Vegetables"};
        const QStringList options = {"AMERICAN", "ENGLISH", "ENGHELP", "KOREAN"};
        struct Row {
            QString type;
            QStringList names;
            QSize size;
            QByteArray format;
        };
        // clang-format off
        QList<Row> table = {
            {"DIALOG", {"MAIN", "WINDOW"}, {670, 560}, "jpeg"},
            {"DIALOG", {"LANGUAGE"}, {621, 539}, "jpeg"},
            {"DIALOG", {"MSGBOX"}, {527, 250}, "jpeg"},
            {"BITMAP", faces("BTN%1%2", {""}, kAllFaces), {140, 39}, "bmp"},
            {"BITMAP", faces("BTN%1%2", {"SPEAKER"}, kLiveFaces), {40, 39}, "bmp"},
            {"ICON", {"LEXIPOND"}, {16, 16}, "ico"},
            {"screens/common", {"BTNSPEAKERDISABLED"}, {40, 39}, "png"},
            {"screens/frmMAINMENU", faces("btnp%1_%2", lessons, kLiveFaces), {150, 112}, "png"},
            {"screens/frmLESSWRDM", faces("btnpPICWORD1_%1_%2", tags, kLiveFaces), {100, 80}, "png"},
            {"screens/letters", faces("btnpLETTERS_%1_%2", letters(), kAllFaces), {44, 44}, "png"},
            {"screens/frmLESSPCWD", faces("btnpLETTER_%1_%2", letters(), kAllFaces), {41, 41}, "png"},
            {"screens/frmLANGUAGE", faces("btnp%1_%2", options, kLiveFaces), {120, 80}, "png"},
            {"screens/frmABOUTLXP", {"imgImage1"}, {48, 48}, "png"},
            {"screens/frmABOUTLXP", {"imgImage2"}, {96, 96}, "png"},
        };
        // clang-format on
        for (int px : {16, 22, 24, 32, 48, 64, 128, 256})
            table.append({"ICON", {QString("LEXIPOND_%1").arg(px)}, {px, px}, "png"});

        QMap<QString, QStringList> expected;
        QMap<QString, QHash<QByteArray, QString>> looks;
        for (const auto& [type, names, size, format] : table)
            for (const QString& name : names) {
                const QByteArray bytes = ResourceTable::read(type, name);
                QByteArray found;
                const QImage image = decode(bytes, &found).convertToFormat(QImage::Format_ARGB32);
                const QString what = QString("%1/%2 (%3 %4x%5)")
                                         .arg(type, name, found, QString::number(image.width()),
                                              QString::number(image.height()));
                QVERIFY2(found == format && image.size() == size, qPrintable(what));
                if (format == "jpeg")
                    QVERIFY2(jpegFrameMarkers(bytes) == QList<int>{0xC0}, qPrintable(what));
                if (format == "bmp") // BITMAPINFOHEADER, 24 bits a pixel, uncompressed
                    QVERIFY2(le(bytes, 14) == 40 && le(bytes, 28, 2) == 24 && le(bytes, 30) == 0,
                             qPrintable(what));
                if (format == "png")
                    QVERIFY2(qAlpha(image.pixel(0, 0)) == (name == "BTNSPEAKERDISABLED" ? 255 : 0),
                             qPrintable(what));
                const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                        image.sizeInBytes());
                QVERIFY2(!looks[type].contains(pixels),
                         qPrintable(what + " looks like " + looks[type].value(pixels)));
                looks[type].insert(pixels, name);
                expected[type] << name.toUpper();
            }
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            it->sort();
            QCOMPARE(ResourceTable::names(it.key()), *it);
        }
    }

    // The picture button writes its caption in RGB(192, 0, 0) into the band x 3..138,
    // y 9..31; nearly all of the band (less the outline at the rounded ends) must give
    // it a contrast of at least 4.5:1.
    void captionBandReadsInDarkRed() {
        const double caption = luminance(qRgb(192, 0, 0));
        for (const QString& name : faces("BTN%1%2", {""}, kAllFaces)) {
            const QImage face = decode(ResourceTable::read("BITMAP", name));
            int readable = 0, total = 0;
            for (int y = 9; y <= 31; ++y)
                for (int x = 8; x <= 131; ++x, ++total) {
                    const double l = luminance(face.pixel(x, y));
                    readable +=
                        (std::max(l, caption) + 0.05) / (std::min(l, caption) + 0.05) >= 4.5;
                }
            QVERIFY2(readable >= total * 95 / 100,
                     qPrintable(QString("%1: %2 of %3 pixels").arg(name).arg(readable).arg(total)));
        }
    }

    // Cursor 101: one 32 x 32 monochrome image with its hot spot at the fingertip (6, 0).
    void cursorHasItsHotSpotAtTheFingertip() {
        const QByteArray cur = ResourceTable::read("CURSOR", "101");
        QVERIFY(cur.size() > 22 + 40);
        QCOMPARE(cur.left(8), QByteArray::fromHex("0000020001002020")); // cursor, 1 image, 32 x 32
        QCOMPARE(QPoint(le(cur, 10, 2), le(cur, 12, 2)), QPoint(6, 0));
        const quint32 size = le(cur, 14), offset = le(cur, 18);
        QCOMPARE(qsizetype(offset + size), cur.size());
        QCOMPARE(le(cur, offset), 40u);
        QCOMPARE(QSize(le(cur, offset + 4), le(cur, offset + 8)), QSize(32, 64)); // colour + mask
        QCOMPARE(le(cur, offset + 14, 2), 1u);                                    // monochrome
        QCOMPARE(decode(cur).size(), QSize(32, 32));

        // The hot spot is on the hand: its bit in the AND mask (after the palette and
        // the colours, bottom row first) is clear.
        QVERIFY(!(quint8(cur[offset + 40 + 8 + 32 * 4 + 31 * 4]) & (0x80 >> 6)));
    }

    // The icon holds 16, 32 and 48 px, each in 256 colours and in 32-bit.
    void iconHoldsSixImages() {
        QByteArray ico = ResourceTable::read("ICON", "LEXIPOND");
        QVERIFY(ico.size() > 6 + 6 * 16);
        QCOMPARE(ico.left(6), QByteArray::fromHex("000001000600"));
        QSet<QPair<int, int>> found;
        for (int entry = 6; entry < 6 + 6 * 16; entry += 16) {
            const int px = quint8(ico[entry]);
            const int bits = le(ico, entry + 6, 2);
            const quint32 length = le(ico, entry + 8), offset = le(ico, entry + 12);
            QVERIFY(quint8(ico[entry + 1]) == px && offset + length <= quint32(ico.size()));
            // The image's own header agrees with its directory entry; then palette
            // (8-bit only), colours and the 1-bit mask.
            QCOMPARE(le(ico, offset), 40u);
            QCOMPARE(QSize(le(ico, offset + 4), le(ico, offset + 8)), QSize(px, 2 * px));
            QCOMPARE(int(le(ico, offset + 14, 2)), bits);
            const int stride = (px * bits + 31) / 32 * 4, maskStride = (px + 31) / 32 * 4;
            QCOMPARE(int(length), 40 + (bits == 8 ? 1024 : 0) + (stride + maskStride) * px);
            found.insert({px, bits});
        }
        QCOMPARE(found,
                 (QSet<QPair<int, int>>{{16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}}));
        QBuffer buffer(&ico);
        QImageReader reader(&buffer, "ico");
        QCOMPARE(reader.imageCount(), 6);
        for (int i = 0; i < 6; ++i)
            QVERIFY2(reader.jumpToImage(i) &&
                         QList<int>({16, 32, 48}).contains(reader.read().width()),
                     qPrintable(reader.errorString()));
    }

    void everyPictureIsCredited() {
        QStringList shipped;
        for (const QString folder : {"BITMAP", "CURSOR", "DIALOG", "ICON", "screens"})
            for (QDirIterator it(sourcePath("resources/" + folder), QDir::Files,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                if (!it.next().endsWith(".md"))
                    shipped << it.filePath().mid(sourcePath("").size());
        QCOMPARE(creditsFault("screenart", shipped), QString());
    }
};

QTEST_GUILESS_MAIN(TestScreenArt)
#include "tst_screenart.moc"
