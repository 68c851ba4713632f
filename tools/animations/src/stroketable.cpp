// SPDX-License-Identifier: GPL-3.0-or-later
#include "stroketable.h"

#include <QRegularExpression>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace LetterStrokes {

namespace {

constexpr double kJoinTolerance = 0.01;

QPointF arcPoint(const Segment& s, double deg)
{
    const double rad = qDegreesToRadians(deg);
    return {s.centre.x() + s.radiusX * std::cos(rad), s.centre.y() + s.radiusY * std::sin(rad)};
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Reads the words of one segment: "line X1 Y1 to X2 Y2", "arc centre CX CY radius
// R [RY] from A anticlockwise|clockwise to B" or "dot X Y".
class SegmentReader {
public:
    explicit SegmentReader(QStringList words) : m_words(std::move(words)) {}

    bool read(Segment* segment, QString* error)
    {
        const QString kind = next();
        if (kind == QLatin1String("line")) {
            segment->kind = Segment::Kind::Line;
            if (!point(&segment->from) || !keyword("to") || !point(&segment->to))
                return fail(error);
            return finished(error);
        }
        if (kind == QLatin1String("dot")) {
            segment->kind = Segment::Kind::Dot;
            if (!point(&segment->from))
                return fail(error);
            return finished(error);
        }
        if (kind == QLatin1String("arc")) {
            segment->kind = Segment::Kind::Arc;
            if (!keyword("centre") || !point(&segment->centre) || !keyword("radius") ||
                !number(&segment->radiusX))
                return fail(error);
            segment->radiusY = segment->radiusX;
            if (m_pos < m_words.size() && m_words.at(m_pos) != QLatin1String("from") &&
                !number(&segment->radiusY))
                return fail(error);
            double from = 0, to = 0;
            if (!keyword("from") || !number(&from))
                return fail(error);
            const QString turn = next();
            if (turn != QLatin1String("anticlockwise") && turn != QLatin1String("clockwise"))
                return fail(error, QStringLiteral("expected anticlockwise or clockwise"));
            if (!keyword("to") || !number(&to) || !finished(error))
                return fail(error);
            if (segment->radiusX <= 0 || segment->radiusY <= 0)
                return fail(error, QStringLiteral("a radius must be greater than 0"));
            // The turn from one angle to the same angle is a whole circle.
            if (turn == QLatin1String("anticlockwise"))
                segment->sweepDeg = 360.0 - std::fmod(std::fmod(from - to, 360.0) + 360.0, 360.0);
            else
                segment->sweepDeg =
                    -(360.0 - std::fmod(std::fmod(to - from, 360.0) + 360.0, 360.0));
            segment->startDeg = from;
            return true;
        }
        return fail(error, QStringLiteral("expected line, arc or dot"));
    }

private:
    QString next() { return m_pos < m_words.size() ? m_words.at(m_pos++) : QString(); }
    bool keyword(const char* word) { return next() == QLatin1String(word); }
    bool number(double* value)
    {
        bool ok = false;
        *value = next().toDouble(&ok);
        return ok && std::isfinite(*value);
    }
    bool point(QPointF* p)
    {
        double x = 0, y = 0;
        if (!number(&x) || !number(&y))
            return false;
        *p = {x, y};
        return true;
    }
    bool finished(QString* error)
    {
        if (m_pos == m_words.size())
            return true;
        return fail(error, QStringLiteral("unexpected \"%1\"").arg(m_words.at(m_pos)));
    }
    bool fail(QString* error, const QString& why = QString())
    {
        if (error->isEmpty())
            *error = why.isEmpty() ? QStringLiteral("cannot read the segment") : why;
        return false;
    }

    QStringList m_words;
    qsizetype m_pos = 0;
};

} // namespace

QPointF Segment::start() const
{
    switch (kind) {
    case Kind::Arc:
        return arcPoint(*this, startDeg);
    default:
        return from;
    }
}

QPointF Segment::end() const
{
    switch (kind) {
    case Kind::Line:
        return to;
    case Kind::Arc:
        return arcPoint(*this, startDeg + sweepDeg);
    case Kind::Dot:
        return from;
    }
    return from;
}

QPointF Segment::pointAt(double t) const
{
    switch (kind) {
    case Kind::Line:
        return from + (to - from) * t;
    case Kind::Arc:
        return arcPoint(*this, startDeg + sweepDeg * t);
    case Kind::Dot:
        return from;
    }
    return from;
}

double Segment::length() const
{
    switch (kind) {
    case Kind::Line:
        return distance(from, to);
    case Kind::Arc: {
        // Ovals have no closed-form perimeter: add up short chords.
        const int steps = 720;
        double sum = 0;
        QPointF previous = start();
        for (int i = 1; i <= steps; ++i) {
            const QPointF p = pointAt(double(i) / steps);
            sum += distance(previous, p);
            previous = p;
        }
        return sum;
    }
    case Kind::Dot:
        return 0;
    }
    return 0;
}

bool Stroke::isDot() const
{
    return segments.size() == 1 && segments.first().kind == Segment::Kind::Dot;
}

QPointF Stroke::start() const
{
    return segments.isEmpty() ? QPointF() : segments.first().start();
}

QPointF Stroke::end() const
{
    return segments.isEmpty() ? QPointF() : segments.last().end();
}

double Stroke::length() const
{
    double sum = 0;
    for (const Segment& s : segments)
        sum += s.length();
    return sum;
}

bool StrokeTable::parse(const QString& text, QString* error)
{
    m_glyphs.clear();
    QString why;
    const QStringList lines = text.split(QLatin1Char('\n'));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto failAt = [&](const QString& message) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(i + 1).arg(message);
            m_glyphs.clear();
            return false;
        };
        QString line = lines.at(i);
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const QString head = words.takeFirst();

        if (head == QLatin1String("letter")) {
            if (words.size() != 1 || words.first().size() != 1 || !words.first().at(0).isLetter())
                return failAt(QStringLiteral("expected one letter after \"letter\""));
            const QChar letter = words.first().at(0);
            if (find(letter))
                return failAt(QStringLiteral("the letter %1 is described twice").arg(letter));
            if (!m_glyphs.isEmpty() && m_glyphs.last().strokes.isEmpty())
                return failAt(
                    QStringLiteral("the letter %1 has no strokes").arg(m_glyphs.last().letter));
            m_glyphs.append(Glyph{letter, {}});
            continue;
        }
        if (head != QLatin1String("stroke") && head != QLatin1String("then"))
            return failAt(QStringLiteral("expected letter, stroke or then"));
        if (m_glyphs.isEmpty())
            return failAt(QStringLiteral("a stroke before the first letter"));

        Segment segment;
        why.clear();
        if (!SegmentReader(words).read(&segment, &why))
            return failAt(why);
        Glyph& glyph = m_glyphs.last();
        if (head == QLatin1String("stroke")) {
            glyph.strokes.append(Stroke{{segment}});
            continue;
        }
        if (glyph.strokes.isEmpty())
            return failAt(QStringLiteral("\"then\" before the first stroke of the letter"));
        Stroke& stroke = glyph.strokes.last();
        if (stroke.isDot() || segment.kind == Segment::Kind::Dot)
            return failAt(QStringLiteral("a dot is a stroke of its own"));
        if (distance(stroke.end(), segment.start()) > kJoinTolerance)
            return failAt(
                QStringLiteral("\"then\" must start where the stroke so far ends (%1, %2)")
                    .arg(stroke.end().x(), 0, 'g', 3)
                    .arg(stroke.end().y(), 0, 'g', 3));
        stroke.segments.append(segment);
    }
    if (!m_glyphs.isEmpty() && m_glyphs.last().strokes.isEmpty()) {
        if (error)
            *error = QStringLiteral("the letter %1 has no strokes").arg(m_glyphs.last().letter);
        m_glyphs.clear();
        return false;
    }
    return true;
}

const Glyph* StrokeTable::find(QChar letter) const
{
    for (const Glyph& g : m_glyphs) {
        if (g.letter == letter)
            return &g;
    }
    return nullptr;
}

QList<QPointF> strokePoints(const Stroke& stroke, double step)
{
    QList<QPointF> points;
    for (const Segment& segment : stroke.segments) {
        const int pieces = std::max(1, int(std::ceil(segment.length() / step)));
        for (int i = points.isEmpty() ? 0 : 1; i <= pieces; ++i)
            points.append(segment.pointAt(double(i) / pieces));
    }
    return points;
}

Extent glyphExtent(const Glyph& glyph)
{
    Extent e{1e9, -1e9, 1e9, -1e9};
    for (const Stroke& stroke : glyph.strokes) {
        for (const QPointF& p : strokePoints(stroke, 0.01)) {
            e.left = std::min(e.left, p.x());
            e.right = std::max(e.right, p.x());
            e.bottom = std::min(e.bottom, p.y());
            e.top = std::max(e.top, p.y());
        }
    }
    return e;
}

} // namespace LetterStrokes
