// Checks the write-along animations: the stroke table describes every letter on
// the right lines and in the taught directions, and each of the 104 files is a
// small, square, endlessly looping animation whose finished letter stands where
// the writing paper says.
#include "stroketable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QTest>

#include <cmath>
#include <optional>

using namespace LetterStrokes;

namespace {

const QString kAscenders = QStringLiteral("bdfhklt");
const QString kDescenders = QStringLiteral("gjpqy");
const QString kDotted = QStringLiteral("ij");
constexpr qint64 kMaxFileBytes = 150 * 1024;

QString sourcePath(const QString& relative) {
    return QStringLiteral(LEXIPOND_SOURCE_DIR "/") + relative;
}

QString animationPath(const QString& fileName) {
    return sourcePath(QStringLiteral("Animations/") + fileName);
}

QString allLetters() {
    QString letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters += QLatin1Char(c);
    for (char c = 'a'; c <= 'z'; ++c)
        letters += QLatin1Char(c);
    return letters;
}

// The two file names of a letter's series: its "chr" file and its tracing guide.
QString writingFile(QChar letter) {
    return letter.isUpper() ? QString(letter) + QStringLiteral(" ucase chr.gif")
                            : QString(letter) + QStringLiteral(" lcase chr.gif");
}

QString tracingFile(QChar letter) {
    return letter.isUpper() ? QString(letter) + QStringLiteral(" - Ucase.gif")
                            : QString(letter) + QStringLiteral(" - lcase.gif");
}

// How a stroke goes, in short: "down", "right", "down-left", ..., "anticlockwise",
// "clockwise" or "dot"; a stroke of several pieces joins them with "+".
QString describe(const Stroke& stroke) {
    if (stroke.isDot())
        return QStringLiteral("dot");
    QStringList pieces;
    for (const Segment& s : stroke.segments) {
        if (s.kind == Segment::Kind::Arc) {
            pieces << (s.sweepDeg > 0 ? QStringLiteral("anticlockwise")
                                      : QStringLiteral("clockwise"));
            continue;
        }
        const QPointF d = s.end() - s.start();
        const double slope = std::abs(d.y()) / std::max(1e-9, std::abs(d.x()));
        const QString vertical = d.y() < 0 ? QStringLiteral("down") : QStringLiteral("up");
        const QString horizontal = d.x() < 0 ? QStringLiteral("left") : QStringLiteral("right");
        if (slope > 4)
            pieces << vertical;
        else if (slope < 0.25)
            pieces << horizontal;
        else
            pieces << vertical + QLatin1Char('-') + horizontal;
    }
    return pieces.join(QLatin1Char('+'));
}

QString describe(const Glyph& glyph) {
    QStringList strokes;
    for (const Stroke& s : glyph.strokes)
        strokes << describe(s);
    return strokes.join(QStringLiteral(", "));
}

struct Frames {
    QImage first;
    QImage last;
    int count = 0;
    int loopCount = 0;
    QList<int> delays;
};

std::optional<Frames> readFrames(const QString& path) {
    QImageReader reader(path);
    if (!reader.canRead() || !reader.supportsAnimation())
        return std::nullopt;
    Frames frames;
    frames.loopCount = reader.loopCount();
    QImage image;
    while (reader.read(&image)) {
        if (frames.count == 0)
            frames.first = image.convertToFormat(QImage::Format_RGB32);
        frames.last = image.convertToFormat(QImage::Format_RGB32);
        frames.delays << reader.nextImageDelay();
        ++frames.count;
    }
    if (frames.count == 0)
        return std::nullopt;
    return frames;
}

// The rows that the finished letter adds to the empty paper of the first frame.
struct InkRows {
    int top = -1;
    int bottom = -1;
};

InkRows inkRows(const Frames& frames) {
    InkRows rows;
    for (int y = 0; y < frames.last.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(frames.first.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(frames.last.constScanLine(y));
        for (int x = 0; x < frames.last.width(); ++x) {
            if (a[x] == b[x])
                continue;
            if (rows.top < 0)
                rows.top = y;
            rows.bottom = y;
            break;
        }
    }
    return rows;
}

} // namespace

class TestAnimations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void strokeTableDescribesEveryLetter();
    void strokeTableRejectsBrokenLines_data();
    void strokeTableRejectsBrokenLines();
    void lettersReachTheirLines_data();
    void lettersReachTheirLines();
    void lettersAreWrittenAsTaught_data();
    void lettersAreWrittenAsTaught();

    void animationFileIsALoopingSquareAnimation_data();
    void animationFileIsALoopingSquareAnimation();
    void finishedLettersStandOnTheLines();
    void folderHoldsExactlyTheCreditedAnimations();

private:
    StrokeTable m_table;
    QString m_tableError;
};

void TestAnimations::initTestCase() {
    QFile file(sourcePath(QStringLiteral("tools/animations/strokes.txt")));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    const bool ok = m_table.parse(QString::fromUtf8(file.readAll()), &m_tableError);
    QVERIFY2(ok, qPrintable(m_tableError));
}

void TestAnimations::strokeTableDescribesEveryLetter() {
    QCOMPARE(m_table.glyphs().size(), 52);
    for (QChar letter : allLetters()) {
        const Glyph* glyph = m_table.find(letter);
        QVERIFY2(glyph, qPrintable(QStringLiteral("no strokes for %1").arg(letter)));
        QVERIFY(!glyph->strokes.isEmpty());
        for (const Stroke& stroke : glyph->strokes)
            QVERIFY2(stroke.isDot() || stroke.length() > 0.2, qPrintable(QString(letter)));
    }
}

void TestAnimations::strokeTableRejectsBrokenLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("stroke before a letter") << "stroke line 0 2 to 0 0\n"
                                            << "line 1: a stroke before the first letter";
    QTest::newRow("then that jumps") << "letter L\nstroke line 0 2 to 0 0\nthen line 0 1 to 1 0\n"
                                     << "line 3: \"then\" must start where the stroke so far ends "
                                        "(0, 0)";
    QTest::newRow("letter twice") << "letter l\nstroke line 0 2 to 0 0\nletter l\n"
                                  << "line 3: the letter l is described twice";
    QTest::newRow("letter without strokes") << "letter l\n"
                                            << "the letter l has no strokes";
    QTest::newRow("unknown turn") << "letter o\nstroke arc centre 0.5 0.5 radius 0.5 from 90 "
                                     "sideways to 90\n"
                                  << "line 2: expected anticlockwise or clockwise";
    QTest::newRow("missing number") << "letter l\nstroke line 0 2 to 0\n"
                                    << "line 2: cannot read the segment";
    QTest::newRow("dot continued") << "letter i\nstroke dot 0 1.5\nthen line 0 1.5 to 0 1\n"
                                   << "line 3: a dot is a stroke of its own";
}

void TestAnimations::strokeTableRejectsBrokenLines() {
    QFETCH(QString, text);
    QFETCH(QString, error);
    StrokeTable table;
    QString why;
    QVERIFY(!table.parse(text, &why));
    QCOMPARE(why, error);
    QVERIFY(table.glyphs().isEmpty());
}

void TestAnimations::lettersReachTheirLines_data() {
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("top");
    for (QChar letter : allLetters()) {
        double bottom = 0, top = 1;
        if (letter.isUpper() || kAscenders.contains(letter))
            top = 2;
        else if (kDotted.contains(letter))
            top = 1.5; // the dot, halfway between the middle and the top line
        if (kDescenders.contains(letter))
            bottom = -1;
        QTest::newRow(qPrintable(QString(letter))) << letter << bottom << top;
    }
}

// Capitals fill the space from the base line to the top line; small letters stand
// on the base line and reach the middle line, the top line (tall letters) or the
// descender line (letters with a tail).
void TestAnimations::lettersReachTheirLines() {
    QFETCH(QChar, letter);
    QFETCH(double, bottom);
    QFETCH(double, top);
    const Glyph* glyph = m_table.find(letter);
    QVERIFY(glyph);
    const Extent e = glyphExtent(*glyph);
    QVERIFY2(std::abs(e.bottom - bottom) < 0.02, qPrintable(QString::number(e.bottom)));
    QVERIFY2(std::abs(e.top - top) < 0.02, qPrintable(QString::number(e.top)));
    QVERIFY2(e.right - e.left < 2.4, "too wide for the frame");
}

void TestAnimations::lettersAreWrittenAsTaught_data() {
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("strokes");
    // Letters that children mix up, and letters whose order is easy to get wrong.
    QTest::newRow("a") << QChar('a') << "anticlockwise, down";
    QTest::newRow("b") << QChar('b') << "down, clockwise";
    QTest::newRow("d") << QChar('d') << "anticlockwise, down";
    QTest::newRow("p") << QChar('p') << "down, clockwise";
    QTest::newRow("q") << QChar('q') << "anticlockwise, down";
    QTest::newRow("g") << QChar('g') << "anticlockwise, down+clockwise";
    QTest::newRow("e") << QChar('e') << "right+anticlockwise";
    QTest::newRow("c") << QChar('c') << "anticlockwise";
    QTest::newRow("o") << QChar('o') << "anticlockwise";
    QTest::newRow("n") << QChar('n') << "down, clockwise+down";
    QTest::newRow("i") << QChar('i') << "down, dot";
    QTest::newRow("t") << QChar('t') << "down, right";
    QTest::newRow("A") << QChar('A') << "down-left, down-right, right";
    QTest::newRow("B") << QChar('B') << "down, right+clockwise+left+right+clockwise+left";
    QTest::newRow("E") << QChar('E') << "down, right, right, right";
    QTest::newRow("M") << QChar('M') << "down, down-right+up-right+down";
    QTest::newRow("N") << QChar('N') << "down, down-right+up";
    QTest::newRow("S") << QChar('S') << "anticlockwise+clockwise";
}

// Strokes go top-down and left-to-right; circles go round anticlockwise from the
// top right, bowls and humps clockwise away from their stick.
void TestAnimations::lettersAreWrittenAsTaught() {
    QFETCH(QChar, letter);
    QFETCH(QString, strokes);
    const Glyph* glyph = m_table.find(letter);
    QVERIFY(glyph);
    QCOMPARE(describe(*glyph), strokes);
}

void TestAnimations::animationFileIsALoopingSquareAnimation_data() {
    QTest::addColumn<QString>("fileName");
    for (QChar letter : allLetters()) {
        QTest::newRow(qPrintable(writingFile(letter))) << writingFile(letter);
        QTest::newRow(qPrintable(tracingFile(letter))) << tracingFile(letter);
    }
}

void TestAnimations::animationFileIsALoopingSquareAnimation() {
    QFETCH(QString, fileName);
    const QString path = animationPath(fileName);
    const QFileInfo info(path);
    QVERIFY2(info.isFile(), qPrintable(path));
    QVERIFY2(info.size() < kMaxFileBytes, qPrintable(QString::number(info.size())));

    const std::optional<Frames> frames = readFrames(path);
    QVERIFY2(frames, "cannot be read as an animation");
    QVERIFY2(frames->count > 1, "a single picture");
    QCOMPARE(frames->loopCount, -1); // loops forever
    QCOMPARE(frames->first.width(), frames->first.height());
    QVERIFY(frames->first.width() >= 150);
    QVERIFY2(frames->first != frames->last, "nothing gets written");

    // The pen moves at 12 frames a second or more; only the empty paper at the
    // start and the finished letter at the end are held longer.
    for (int i = 1; i + 1 < frames->delays.size(); ++i)
        QVERIFY2(frames->delays[i] > 0 && frames->delays[i] <= 1000 / 12,
                 qPrintable(QStringLiteral("frame %1 shows %2 ms").arg(i).arg(frames->delays[i])));
    QVERIFY(frames->delays.last() >= 1000);

    QMovie movie(path);
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), frames->count);
}

// On the writing paper every letter stands on one base line: capitals and tall
// letters end at one top line, the other small letters at one middle line, and
// tails reach one line further down.
void TestAnimations::finishedLettersStandOnTheLines() {
    QMap<QChar, InkRows> rows;
    for (QChar letter : allLetters()) {
        const std::optional<Frames> frames = readFrames(animationPath(writingFile(letter)));
        QVERIFY2(frames, qPrintable(writingFile(letter)));
        rows.insert(letter, inkRows(*frames));
    }
    const InkRows capital = rows.value(QChar('A'));
    const InkRows small = rows.value(QChar('x'));
    // Ink is a pen's width taller than the distance between its lines.
    const int unit = (capital.bottom - capital.top) - (small.bottom - small.top);
    QVERIFY(capital.top >= 0 && small.top > capital.top + 20);

    for (QChar letter : allLetters()) {
        const InkRows r = rows.value(letter);
        const bool tail = kDescenders.contains(letter);
        const int expectedBottom = tail ? capital.bottom + unit : capital.bottom;
        QVERIFY2(std::abs(r.bottom - expectedBottom) <= 2,
                 qPrintable(QStringLiteral("%1 ends at row %2, not %3")
                                .arg(letter)
                                .arg(r.bottom)
                                .arg(expectedBottom)));
        if (kDotted.contains(letter))
            continue;
        const bool tall = letter.isUpper() || kAscenders.contains(letter);
        const int expectedTop = tall ? capital.top : small.top;
        QVERIFY2(std::abs(r.top - expectedTop) <= 2,
                 qPrintable(QStringLiteral("%1 starts at row %2, not %3")
                                .arg(letter)
                                .arg(r.top)
                                .arg(expectedTop)));
    }
}

// The folder holds the 104 animations and no other pictures, each credited once
// to a described source.
void TestAnimations::folderHoldsExactlyTheCreditedAnimations() {
    QStringList expected;
    for (QChar letter : allLetters())
        expected << writingFile(letter) << tracingFile(letter);
    expected.sort();
    QStringList present = QDir(sourcePath(QStringLiteral("Animations")))
                              .entryList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
    present.sort();
    QCOMPARE(present, expected);

    QFile credits(sourcePath(QStringLiteral("resources/credits/animations.tsv")));
    QVERIFY(credits.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines =
        QString::fromUtf8(credits.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), QStringLiteral("file\tsource\tlicence\tnotes"));
    QStringList credited;
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 4);
        QVERIFY2(fields[0].startsWith(QStringLiteral("Animations/")), qPrintable(fields[0]));
        credited << fields[0].mid(QStringLiteral("Animations/").size());
        const QString source =
            sourcePath(QStringLiteral("resources/credits/sources/%1.txt").arg(fields[1]));
        QVERIFY2(QFileInfo::exists(source), qPrintable(source));
    }
    credited.sort();
    QCOMPARE(credited, expected);
}

QTEST_MAIN(TestAnimations)
#include "tst_animations.moc"
