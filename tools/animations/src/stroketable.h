// SPDX-License-Identifier: GPL-3.0-or-later
// The stroke table of the write-along animations: every letter as ordered strokes
// of lines, arcs and dots in letter units (base line y = 0, middle line y = 1,
// top line y = 2, descender line y = -1; y grows upwards).
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

namespace LetterStrokes {

struct Segment {
    enum class Kind { Line, Arc, Dot };
    Kind kind = Kind::Line;
    QPointF from;        // Line and Dot
    QPointF to;          // Line
    QPointF centre;      // Arc
    double radiusX = 0;  // Arc
    double radiusY = 0;  // Arc
    double startDeg = 0; // Arc: 0 = right, 90 = up
    double sweepDeg = 0; // Arc: positive anticlockwise, negative clockwise

    QPointF start() const;
    QPointF end() const;
    // The point a fraction t (0..1) of the way along the segment.
    QPointF pointAt(double t) const;
    double length() const;
};

struct Stroke {
    QList<Segment> segments; // written one after another without lifting the pen
    bool isDot() const;
    QPointF start() const;
    QPointF end() const;
    double length() const;
};

struct Glyph {
    QChar letter;
    QList<Stroke> strokes;
};

struct Extent {
    double left = 0, right = 0, bottom = 0, top = 0;
};

class StrokeTable {
public:
    // Reads the table; on failure returns false and says which line is wrong.
    bool parse(const QString& text, QString* error);
    const QList<Glyph>& glyphs() const { return m_glyphs; }
    const Glyph* find(QChar letter) const;

private:
    QList<Glyph> m_glyphs;
};

// Points along a stroke no further apart than step (in letter units), the
// first at its start and the last at its end.
QList<QPointF> strokePoints(const Stroke& stroke, double step);

// The extent of the pen's centre line over all strokes of a glyph.
Extent glyphExtent(const Glyph& glyph);

} // namespace LetterStrokes
