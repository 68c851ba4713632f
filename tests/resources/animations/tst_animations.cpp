// Checks the write-along animations: the stroke table describes every letter, the
// easily confused ones in the taught directions, and each of the 104 files is a small,
// square, endlessly looping animation whose finished letter stands on the lines.
#include "stroketable.h"
#include "support/shippedcontent.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QMovie>
#include <QTest>

#include <cmath>

using namespace LetterStrokes;
using lxp::sourcePath;

namespace {

const QString kAscenders = "bdfhklt";
const QString kDescenders = "gjpqy";
const QString kDotted = "ij";

QString allLetters() {
    QString letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters += QChar(c);
    return letters + letters.toLower();
}

// A letter's two files: the letter written, and its tracing guide.
QStringList filesOf(QChar letter) {
    return letter.isUpper()
               ? QStringList{letter + QString(" ucase chr.gif"), letter + QString(" - Ucase.gif")}
               : QStringList{letter + QString(" lcase chr.gif"), letter + QString(" - lcase.gif")};
}

// How a stroke goes: "down", "right", "down-left", ..., "anticlockwise" or
// "clockwise"; the pieces of one stroke joined with "+", strokes with ", ".
QString describe(const Glyph& glyph) {
    QStringList strokes;
    for (const Stroke& stroke : glyph.strokes) {
        QStringList pieces;
        for (const Segment& s : stroke.segments) {
            const QPointF d = s.end() - s.start();
            const double slope = std::abs(d.y()) / std::max(1e-9, std::abs(d.x()));
            const QString vertical = d.y() < 0 ? "down" : "up",
                          horizontal = d.x() < 0 ? "left" : "right";
            if (s.kind == Segment::Kind::Arc)
                pieces << (s.sweepDeg > 0 ? "anticlockwise" : "clockwise");
            else
                pieces << (slope > 4      ? vertical
                           : slope < 0.25 ? horizontal
                                          : vertical + "-" + horizontal);
        }
        strokes << pieces.join('+');
    }
    return strokes.join(", ");
}

struct Frames {
    QImage first, last;
    int count = 0, loopCount = 0;
    QList<int> delays;
};

Frames readFrames(const QString& fileName) {
    QImageReader reader(sourcePath("Animations/" + fileName));
    Frames frames;
    frames.loopCount = reader.loopCount();
    for (QImage image; reader.supportsAnimation() && reader.read(&image); ++frames.count) {
        frames.last = image.convertToFormat(QImage::Format_RGB32);
        if (frames.count == 0)
            frames.first = frames.last;
        frames.delays << reader.nextImageDelay();
    }
    return frames;
}

// The first and last rows that the finished letter adds to the empty paper.
std::pair<int, int> inkRows(const Frames& frames) {
    int top = -1, bottom = -1;
    for (int y = 0; y < frames.last.height(); ++y)
        if (frames.first.copy(0, y, frames.first.width(), 1) !=
            frames.last.copy(0, y, frames.last.width(), 1)) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    return {top, bottom};
}

} // namespace

class TestAnimations : public QObject {
    Q_OBJECT
    StrokeTable m_table;

private slots:
    void initTestCase() {
        QFile file(sourcePath("tools/animations/strokes.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QString error;
        QVERIFY2(m_table.parse(QString::fromUtf8(file.readAll()), &error), qPrintable(error));
    }

    void strokeTableDescribesEveryLetter() {
        QCOMPARE(m_table.glyphs().size(), 52);
        for (QChar letter : allLetters()) {
            const Glyph* glyph = m_table.find(letter);
            QVERIFY2(glyph && !glyph->strokes.isEmpty(),
                     qPrintable(QString("no strokes for ") + letter));
            for (const Stroke& stroke : glyph->strokes)
                QVERIFY2(stroke.isDot() || stroke.length() > 0.2, qPrintable(QString(letter)));
        }
    }

    // The letters children mix up: stick first, then the bowl clockwise away from it
    // (b, p); circles anticlockwise from the top right, then the stick (a, d, q, g).
    void lettersAreWrittenAsTaught_data() {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("strokes");
        for (const auto& [letter, strokes] : {std::pair{'a', "anticlockwise, down"},
                                              {'b', "down, clockwise"},
                                              {'d', "anticlockwise, down"},
                                              {'p', "down, clockwise"},
                                              {'q', "anticlockwise, down"},
                                              {'e', "right+anticlockwise"},
                                              {'g', "anticlockwise, down+clockwise"}})
            QTest::newRow(QByteArray(1, letter)) << QChar(letter) << QString(strokes);
    }
    void lettersAreWrittenAsTaught() {
        QFETCH(QChar, letter);
        QFETCH(QString, strokes);
        QCOMPARE(describe(*m_table.find(letter)), strokes);
    }

    void animationFile_data() {
        QTest::addColumn<QString>("fileName");
        for (QChar letter : allLetters())
            for (const QString& file : filesOf(letter))
                QTest::newRow(qPrintable(file)) << file;
    }
    // Small, square, looping forever, and something gets written at 12 frames a
    // second or more; only the empty paper and the finished letter are held longer.
    void animationFile() {
        QFETCH(QString, fileName);
        const QFileInfo info(sourcePath("Animations/" + fileName));
        QVERIFY2(info.isFile() && info.size() < 150 * 1024,
                 qPrintable(QString::number(info.size())));
        const Frames frames = readFrames(fileName);
        QVERIFY2(frames.count > 1, "not an animation");
        QCOMPARE(frames.loopCount, -1);
        QVERIFY(frames.first.width() == frames.first.height() && frames.first.width() >= 150);
        QVERIFY2(frames.first != frames.last, "nothing gets written");
        for (int i = 1; i + 1 < frames.delays.size(); ++i)
            QVERIFY2(frames.delays[i] > 0 && frames.delays[i] <= 1000 / 12,
                     qPrintable(QString("frame %1 shows %2 ms").arg(i).arg(frames.delays[i])));
        QVERIFY(frames.delays.last() >= 1000);
        QCOMPARE(QMovie(info.filePath()).frameCount(), frames.count);
    }

    // On the paper every finished letter stands on one base line; capitals and tall
    // letters reach one top line, other small letters one middle line (A and x show
    // where), the dots of i and j halfway between; tails reach a line further down.
    void finishedLettersStandOnTheLines() {
        const auto [capitalTop, capitalBottom] = inkRows(readFrames(filesOf('A')[0]));
        const auto [smallTop, smallBottom] = inkRows(readFrames(filesOf('x')[0]));
        // Ink is a pen's width taller than the distance between its lines.
        const int unit = (capitalBottom - capitalTop) - (smallBottom - smallTop);
        QVERIFY(capitalTop >= 0 && smallTop > capitalTop + 20);
        for (QChar letter : allLetters()) {
            const auto [top, bottom] = inkRows(readFrames(filesOf(letter)[0]));
            const int expectedBottom = capitalBottom + (kDescenders.contains(letter) ? unit : 0);
            const int expectedTop = letter.isUpper() || kAscenders.contains(letter) ? capitalTop
                                    : kDotted.contains(letter) ? (capitalTop + smallTop) / 2
                                                               : smallTop;
            QVERIFY2(std::abs(bottom - expectedBottom) <= 2 && std::abs(top - expectedTop) <= 2,
                     qPrintable(QString::asprintf("%c spans rows %d to %d, not %d to %d",
                                                  letter.toLatin1(), top, bottom, expectedTop,
                                                  expectedBottom)));
        }
    }

    // The folder holds the 104 animations and nothing else, each credited.
    void folderHoldsExactlyTheCreditedAnimations() {
        QStringList expected;
        for (QChar letter : allLetters())
            expected += filesOf(letter);
        expected.sort();
        QCOMPARE(QDir(sourcePath("Animations")).entryList({"*.gif"}, QDir::Files, QDir::Name),
                 expected);
        QCOMPARE(lxp::creditsFault("animations", expected.replaceInStrings(QRegularExpression("^"),
                                                                           "Animations/")),
                 QString());
    }
};

QTEST_MAIN(TestAnimations)
#include "tst_animations.moc"
