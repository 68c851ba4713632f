// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the window backgrounds, button faces, cursor, icon and screen pictures:
// names, sizes, file formats and credits.
#include "support/jpegmarkers.h"
#include "support/shippedcontent.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

using namespace lxp;

namespace {

quint32 le(const QByteArray& b, qsizetype at, int bytes = 4)
{
    return bytes == 2 ? qFromLittleEndian<quint16>(b.constData() + at)
                      : qFromLittleEndian<quint32>(b.constData() + at);
}

// Every face of every element: the pattern's %1 is the element, %2 the face.
QStringList faces(const QString& pattern, const QStringList& elements, bool disabled = false)
{
    QStringList names;
    for (const QString& element : elements)
        for (const QString face : {"NORMAL", "HL", "PRESSED", "DISABLED"})
            if (disabled || face != QString("DISABLED"))
                names << pattern.arg(element, face);
    return names;
}

} // namespace

class TestScreenArt : public QObject {
    Q_OBJECT
private slots:
    // Every window background, button face, cursor, icon and picture of a screen (as
    // resources/screens/README.md lists them) with its size and format (backgrounds
    // baseline JPEG, faces 24-bit BMP), and nothing else compiled into the folders.
    void picturesExistWithTheirSizes()
    {
        const QStringList letters =
            QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ").split("", Qt::SkipEmptyParts);
        const QStringList tags = {"Animals", "Colors", "Fruit",  "General",   "Musical",
                                  "Natural", "Pets",   "Sports", "Transport", "Vegetables"};
        // clang-format off
        QList<std::tuple<QString, QStringList, QSize, QByteArray>> table = {
            {"DIALOG", {"MAIN", "WINDOW"}, {670, 560}, "jpeg"},
            {"DIALOG", {"LANGUAGE"}, {621, 539}, "jpeg"},
            {"DIALOG", {"MSGBOX"}, {527, 250}, "jpeg"},
            {"BITMAP", faces("BTN%1%2", {""}, true), {140, 39}, "bmp"},
            {"BITMAP", faces("BTN%1%2", {"SPEAKER"}), {40, 39}, "bmp"},
            {"ICON", {"LEXIPOND"}, {16, 16}, "ico"},
            {"CURSOR", {"101"}, {32, 32}, "ico"},
            {"screens/common", {"BTNSPEAKERDISABLED"}, {40, 39}, "png"},
            {"screens/frmMAINMENU", faces("btnp%1_%2", {"ALPHABET", "WORDS", "PICANDWORDS", "WRITEALONG", "PAIRS"}), {150, 112}, "png"},
            {"screens/frmLESSWRDM", faces("btnpPICWORD1_%1_%2", tags), {100, 80}, "png"},
            {"screens/letters", faces("btnpLETTERS_%1_%2", letters, true), {44, 44}, "png"},
            {"screens/frmLESSPCWD", faces("btnpLETTER_%1_%2", letters, true), {41, 41}, "png"},
            {"screens/frmLANGUAGE", faces("btnp%1_%2", {"AMERICAN", "ENGLISH", "ENGHELP", "KOREAN"}), {120, 80}, "png"},
            {"screens/frmABOUTLXP", {"imgImage1"}, {48, 48}, "png"},
            {"screens/frmABOUTLXP", {"imgImage2"}, {96, 96}, "png"},
        };
        // clang-format on
        for (int px : {16, 22, 24, 32, 48, 64, 128, 256})
            table.append({"ICON", {QString("LEXIPOND_%1").arg(px)}, {px, px}, "png"});

        QMap<QString, QStringList> expected;
        for (const auto& [type, names, size, format] : table)
            for (const QString& name : names) {
                QByteArray bytes = ResourceTable::read(type, name);
                QBuffer buffer(&bytes);
                QImageReader reader(&buffer);
                const QByteArray found = reader.format();
                const QSize image = reader.read().size();
                const QString what = type + "/" + name + " " + found;
                QVERIFY2(found == format && image == size, qPrintable(what));
                if (format == "jpeg")
                    QVERIFY2(jpegFrameMarkers(bytes) == QList<int>{0xC0}, qPrintable(what));
                if (format == "bmp") // BITMAPINFOHEADER, 24 bits a pixel, uncompressed
                    QVERIFY2(le(bytes, 14) == 40 && le(bytes, 28, 2) == 24 && le(bytes, 30) == 0,
                             qPrintable(what));
                expected[type] << name.toUpper();
            }
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            it->sort();
            QCOMPARE(ResourceTable::names(it.key()), *it);
        }
    }

    // The hand cursor's hot spot (6, 0; tst_media reads it) is on the fingertip, not on the
    // clear paper around the hand.
    void cursorHotSpotOnTheHand()
    {
        QCOMPARE(qAlpha(QImage::fromData(ResourceTable::read("CURSOR", "101")).pixel(6, 0)), 255);
    }

    void everyPictureIsCredited()
    {
        QCOMPARE(
            creditsFault("screenart", {"resources/BITMAP", "resources/CURSOR", "resources/DIALOG",
                                       "resources/ICON", "resources/screens", "packaging/icons"}),
            QString());
    }
};

QTEST_GUILESS_MAIN(TestScreenArt)
#include "tst_screenart.moc"
