// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the write-along animations: the easily confused letters written in the taught
// directions, and each of the 104 files a small, square, endlessly looping animation, the
// letters standing on the base line.
#include "stroketable.h"
#include "support/shippedcontent.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTest>

#include <cmath>

using namespace LetterStrokes;
using lxp::sourcePath;

namespace {

const QString kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// A letter's two files: the letter written, and its tracing guide.
QStringList filesOf(QChar letter)
{
    return letter.isUpper()
               ? QStringList{letter + QString(" ucase chr.gif"), letter + QString(" - Ucase.gif")}
               : QStringList{letter + QString(" lcase chr.gif"), letter + QString(" - lcase.gif")};
}

// How the strokes go: "down", "up" or "slant" for a line, "clockwise" or "anticlockwise"
// for an arc; the pieces of one stroke joined with "+", strokes with ", ".
QString describe(const Glyph& glyph)
{
    QStringList strokes;
    for (const Stroke& stroke : glyph.strokes) {
        QStringList pieces;
        for (const Segment& s : stroke.segments) {
            const QPointF d = s.end() - s.start();
            pieces << (s.kind == Segment::Kind::Arc
                           ? (s.sweepDeg > 0 ? "anticlockwise" : "clockwise")
                       : std::abs(d.y()) > 4 * std::abs(d.x()) ? (d.y() < 0 ? "down" : "up")
                                                               : "slant");
        }
        strokes << pieces.join('+');
    }
    return strokes.join(", ");
}

// Each frame of an animation with the time it is shown.
QList<std::pair<QImage, int>> framesOf(const QString& fileName)
{
    QImageReader reader(sourcePath("Animations/" + fileName));
    QList<std::pair<QImage, int>> frames;
    for (QImage image; reader.supportsAnimation() && reader.read(&image);)
        frames.append({image.convertToFormat(QImage::Format_RGB32), reader.nextImageDelay()});
    return frames;
}

// The highest and lowest rows of the finished letter: those that differ from the paper.
std::pair<int, int> inkRows(const QList<std::pair<QImage, int>>& frames)
{
    const QImage &first = frames.first().first, &last = frames.last().first;
    QList<int> rows;
    for (int y = 0; y < last.height(); ++y)
        if (first.copy(0, y, first.width(), 1) != last.copy(0, y, last.width(), 1))
            rows << y;
    return rows.isEmpty() ? std::pair(-1, -1) : std::pair(rows.first(), rows.last());
}

// The ruled lines of the paper from the top, each as the last row it covers.
QList<int> ruledLines(const QImage& paper)
{
    QList<int> lines;
    const QRgb blank = paper.pixel(2, 2);
    for (int y = 0; y < paper.height(); ++y) {
        int ruled = 0;
        for (int x = 0; x < paper.width(); ++x)
            ruled += paper.pixel(x, y) != blank ? 1 : 0;
        if (ruled <= paper.width() / 3)
            continue;
        if (!lines.isEmpty() && lines.last() == y - 1)
            lines.last() = y;
        else
            lines.append(y);
    }
    return lines;
}

} // namespace

class TestAnimations : public QObject {
    Q_OBJECT
    StrokeTable m_table;
    int m_baseLine = -1; // where the capital A ends

private slots:
    void initTestCase()
    {
        QFile file(sourcePath("tools/animations/strokes.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QString error;
        QVERIFY2(m_table.parse(QString::fromUtf8(file.readAll()), &error), qPrintable(error));
        const auto a = framesOf(filesOf('A')[0]);
        QVERIFY(a.size() > 1);
        m_baseLine = inkRows(a).second;
    }

    // The letters children mix up: b and p stick first, then the bowl clockwise away
    // from it; d and q the circle anticlockwise first, then the stick.
    void lettersAreWrittenAsTaught_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<QString>("strokes");
        QTest::newRow("b") << QChar('b') << "down, clockwise";
        QTest::newRow("d") << QChar('d') << "anticlockwise, down";
        QTest::newRow("p") << QChar('p') << "down, clockwise";
        QTest::newRow("q") << QChar('q') << "anticlockwise, down";
        QTest::newRow("t, its foot curving right") << QChar('t') << "down+anticlockwise, slant";
    }
    void lettersAreWrittenAsTaught()
    {
        QFETCH(QChar, letter);
        QFETCH(QString, strokes);
        QVERIFY(m_table.find(letter));
        QCOMPARE(describe(*m_table.find(letter)), strokes);
    }

    // Against the paper's ruled lines (top, middle, base, descender): a t as tall as an l
    // reads as "+", so t starts between the top and the middle line, clear of both; the
    // hooks of g and j rest on the descender line, not across it.
    void lettersKeepToTheRuledLines_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::newRow("t") << QChar('t');
        QTest::newRow("g") << QChar('g');
        QTest::newRow("j") << QChar('j');
    }
    void lettersKeepToTheRuledLines()
    {
        QFETCH(QChar, letter);
        const auto frames = framesOf(filesOf(letter)[0]);
        QVERIFY(frames.size() > 1);
        const QList<int> lines = ruledLines(frames.first().first);
        const auto [top, bottom] = inkRows(frames);
        QString where = QString("ink on rows %1 to %2, lines on rows").arg(top).arg(bottom);
        for (const int line : lines)
            where += ' ' + QString::number(line);
        if (letter == 't')
            QVERIFY2(lines.size() == 3 && top > lines[0] + 3 && top < lines[1] - 3,
                     qPrintable(where));
        else
            QVERIFY2(lines.size() == 4 && bottom <= lines[3] && bottom >= lines[3] - 2,
                     qPrintable(where));
    }

    void animationFile_data()
    {
        QTest::addColumn<QString>("fileName");
        for (QChar letter : kLetters)
            for (const QString& file : filesOf(letter))
                QTest::newRow(qPrintable(file)) << file;
    }
    // Small, square, looping forever, and written at 12 frames a second or more (only
    // the empty paper and the finished letter may be held longer); a letter as written
    // ends on the base line, only the tails of g j p q y go below it.
    void animationFile()
    {
        QFETCH(QString, fileName);
        const qint64 size = QFileInfo(sourcePath("Animations/" + fileName)).size();
        QVERIFY2(size > 0 && size < 150 * 1024, qPrintable(QString::number(size)));
        const auto frames = framesOf(fileName);
        QVERIFY2(frames.size() > 1 && frames.first().first != frames.last().first,
                 "not an animation");
        QCOMPARE(QImageReader(sourcePath("Animations/" + fileName)).loopCount(), -1);
        const QImage& image = frames.first().first;
        QVERIFY(image.width() == image.height() && image.width() >= 150);
        for (int i = 1; i + 1 < frames.size(); ++i)
            QVERIFY2(frames[i].second > 0 && frames[i].second <= 1000 / 12,
                     qPrintable(QString("frame %1 shows %2 ms").arg(i).arg(frames[i].second)));
        if (fileName.contains(" chr")) {
            const int bottom = inkRows(frames).second;
            QVERIFY2(QString("gjpqy").contains(fileName[0]) ? bottom > m_baseLine + 2
                                                            : std::abs(bottom - m_baseLine) <= 2,
                     qPrintable(QString("ends on row %1, not %2").arg(bottom).arg(m_baseLine)));
        }
    }

    void everyAnimationIsCredited()
    {
        QCOMPARE(lxp::creditsFault("animations", {"Animations"}), QString());
    }
};

QTEST_GUILESS_MAIN(TestAnimations)
#include "tst_animations.moc"
