// SPDX-License-Identifier: GPL-3.0-or-later
#include "letteranimation.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace LetterAnimation {

using LetterStrokes::Glyph;
using LetterStrokes::Stroke;

namespace {

// The writing paper of the "chr" series: one unit (line to line) in pixels and
// where the base line is. The same for every letter, so that the capital and the
// small letter shown side by side stand on one continuous set of lines; the four
// lines fill the frame, with a little more room above the top line than below
// the descender line.
constexpr double kWritingUnit = 53;
constexpr double kWritingBaseY = 136;
// The tracing guide shows the letter larger, centred up and down, with the lines
// that fall inside the frame.
constexpr double kTracingUnit = 66;
constexpr double kPenPerUnit = 12.0 / 53; // the pen's width for one unit
constexpr double kBadgeRadius = 9;
// Strokes that start closer than this (in units) share the place of their numbers.
constexpr double kSharedStart = 0.35;
constexpr double kPointStep = 0.02; // letter units between points of a stroke

// Pen speed and pauses.
constexpr double kFrameSeconds = kFrameDelayCs / 100.0;
constexpr double kWritingSpeed = 2.2; // units a second
constexpr double kLiftedSpeed = 1.6 * kWritingSpeed;
constexpr int kIntroDelayWriting = 40;
constexpr int kIntroDelayTracing = 120;
constexpr int kFinishedDelay = 160;

// The colours: soft paper and lines, a berry ink, an orange pen tip and a teal
// for the tracing guide's numbers and arrows.
const QColor kPaper(0xFF, 0xF8, 0xE8);
const QColor kLine(0x8D, 0xB0, 0xE0);
const QColor kLightLine(0xB4, 0xCB, 0xEC);
const QColor kInk(0xD6, 0x45, 0x6C);
const QColor kTrack(0xF7, 0xD9, 0xE2);
const QColor kGuide(0x2A, 0x9D, 0x8F);
const QColor kTip(0xFF, 0xBE, 0x55);
const QColor kTipRim(0xE8, 0x86, 0x2A);
const QColor kWhite(0xFF, 0xFF, 0xFF);

struct PenPath {
    QList<QPointF> points;  // in pixels
    QList<double> distance; // from the start, in pixels
    bool dot = false;
    double length() const { return distance.isEmpty() ? 0 : distance.last(); }
    QPointF pointAt(double s) const;
    QPainterPath pathTo(double s) const;
};

QPointF PenPath::pointAt(double s) const
{
    if (points.size() == 1 || s <= 0)
        return points.first();
    const auto it = std::lower_bound(distance.begin(), distance.end(), s);
    if (it == distance.end())
        return points.last();
    const qsizetype i = std::max<qsizetype>(1, it - distance.begin());
    const double span = distance[i] - distance[i - 1];
    const double t = span > 0 ? (s - distance[i - 1]) / span : 1;
    return points[i - 1] + (points[i] - points[i - 1]) * t;
}

QPainterPath PenPath::pathTo(double s) const
{
    QPainterPath path(points.first());
    for (qsizetype i = 1; i < points.size() && distance[i] < s; ++i)
        path.lineTo(points[i]);
    path.lineTo(pointAt(s));
    return path;
}

// What one frame shows: the strokes finished so far, how far the current stroke
// has got, and where the pen is.
struct Moment {
    int finished = 0;
    double current = 0; // pixels of stroke number `finished` written
    std::optional<QPointF> pen;
    bool penDown = false;
};

class Animator {
public:
    Animator(const Glyph& glyph, Series series);
    QList<TimedFrame> frames();

private:
    QPointF toPixels(QPointF p) const;
    void placeBadges();
    double arrowLength(const PenPath& path) const;
    QImage paperImage() const;
    QImage frameImage(const Moment& m) const;
    void add(const Moment& m, int delayCs);

    Series m_series;
    double m_unit = kWritingUnit;
    double m_baseY = kWritingBaseY;
    double m_penWidth = 12;
    double m_trackWidth = 18;
    double m_tipRadius = 9;
    bool m_descender = false;
    double m_originX = 0;
    QList<PenPath> m_paths;
    QList<std::optional<QPointF>> m_badges;
    QImage m_paper;
    QList<TimedFrame> m_frames;
};

Animator::Animator(const Glyph& glyph, Series series) : m_series(series)
{
    const LetterStrokes::Extent extent = LetterStrokes::glyphExtent(glyph);
    m_descender = extent.bottom < -0.5;
    if (series == Series::Tracing) {
        m_unit = kTracingUnit;
        m_baseY = std::round(kFrameSize / 2.0 + (extent.top + extent.bottom) / 2 * m_unit);
    }
    m_penWidth = kPenPerUnit * m_unit;
    m_trackWidth = m_penWidth + 6;
    m_tipRadius = m_penWidth / 2 + 3;
    m_originX = kFrameSize / 2.0 - (extent.left + extent.right) / 2 * m_unit;
    for (const Stroke& stroke : glyph.strokes) {
        PenPath path;
        path.dot = stroke.isDot();
        for (const QPointF& p : LetterStrokes::strokePoints(stroke, kPointStep)) {
            const QPointF px = toPixels(p);
            path.distance.append(path.points.isEmpty()
                                     ? 0
                                     : path.distance.last() +
                                           std::hypot(px.x() - path.points.last().x(),
                                                      px.y() - path.points.last().y()));
            path.points.append(px);
        }
        m_paths.append(path);
    }
    if (m_series == Series::Tracing)
        placeBadges();
    m_paper = paperImage();
}

QPointF Animator::toPixels(QPointF p) const
{
    return {m_originX + p.x() * m_unit, m_baseY - p.y() * m_unit};
}

// Each stroke's number goes beside its start, clear of every stroke and of the
// other numbers: preferably outside the letter, across from where the pen goes
// and a little behind its start, and as near to the start as that allows.
// Strokes that start at one point, or nearly (the circle and the stick of a), share
// one place: their numbers stand side by side in a row, in order from the left, so
// that each reads on its own.
void Animator::placeBadges()
{
    const double clearStroke = m_trackWidth / 2 + kBadgeRadius + 1;
    const double clearBadge = 2 * kBadgeRadius + 3;
    const double rowStep = 2 * kBadgeRadius + 5;
    const double margin = kBadgeRadius + 1;
    QPointF centre;
    int count = 0;
    for (const PenPath& path : m_paths) {
        for (const QPointF& p : path.points) {
            centre += p;
            ++count;
        }
    }
    centre /= std::max(1, count);
    auto unit = [](QPointF v) { return v / std::max(1e-9, std::hypot(v.x(), v.y())); };
    auto clearAt = [&](QPointF c) {
        if (c.x() < margin || c.y() < margin || c.x() > kFrameSize - margin ||
            c.y() > kFrameSize - margin)
            return false;
        for (const PenPath& other : m_paths)
            for (const QPointF& p : other.points)
                if (std::hypot(p.x() - c.x(), p.y() - c.y()) < clearStroke)
                    return false;
        for (const std::optional<QPointF>& b : m_badges)
            if (b && std::hypot(b->x() - c.x(), b->y() - c.y()) < clearBadge)
                return false;
        return true;
    };
    // The place of a row of `count` numbers for strokes starting at `start`, the
    // first of them `path`: the centre of the row.
    auto search = [&](const PenPath& path, QPointF start, int count) -> std::optional<QPointF> {
        const QPointF offCentre = start - centre;
        const QPointF away =
            std::hypot(offCentre.x(), offCentre.y()) > 1 ? unit(offCentre) : QPointF();
        QPointF preferred = away;
        if (!path.dot) {
            const QPointF ahead =
                unit(path.pointAt(std::min(path.length(), 0.3 * m_unit)) - path.points.first());
            QPointF across(-ahead.y(), ahead.x());
            if (QPointF::dotProduct(across, away) < 0)
                across = -across;
            preferred = unit(across + away - ahead * 0.5);
        }
        const double minimum = clearStroke + 1;
        std::optional<QPointF> best;
        double bestScore = -1e9;
        for (double reach = minimum; reach < minimum + 30; reach += 2) {
            for (int step = 0; step < 36; ++step) {
                const double angle = step * M_PI / 18;
                const QPointF direction(std::cos(angle), std::sin(angle));
                const QPointF c = start + direction * reach;
                bool clear = true;
                for (int i = 0; i < count && clear; ++i)
                    clear = clearAt(c + QPointF((i - (count - 1) / 2.0) * rowStep, 0));
                if (!clear)
                    continue;
                const double score =
                    QPointF::dotProduct(direction, preferred) - 0.025 * (reach - minimum);
                if (score > bestScore) {
                    bestScore = score;
                    best = c;
                }
            }
        }
        return best;
    };

    m_badges = QList<std::optional<QPointF>>(m_paths.size());
    for (qsizetype k = 0; k < m_paths.size(); ++k) {
        if (m_badges[k])
            continue;
        const QPointF start = m_paths[k].points.first();
        QList<qsizetype> row = {k};
        QPointF rowStart = start;
        for (qsizetype later = k + 1; later < m_paths.size(); ++later) {
            const QPointF d = m_paths[later].points.first() - start;
            if (!m_badges[later] && std::hypot(d.x(), d.y()) < kSharedStart * m_unit) {
                row << later;
                rowStart += m_paths[later].points.first();
            }
        }
        rowStart /= double(row.size());
        if (row.size() > 1) {
            if (const auto c = search(m_paths[k], rowStart, int(row.size()))) {
                for (qsizetype i = 0; i < row.size(); ++i)
                    m_badges[row[i]] = *c + QPointF((i - (row.size() - 1) / 2.0) * rowStep, 0);
                continue;
            }
        }
        m_badges[k] = search(m_paths[k], start, 1).value_or(start);
    }
}

// How far along its stroke the direction arrow reaches: a short way, and not as
// far as where a later stroke starts on this one (as the hump of n starts on its
// stick), so that the two arrows do not run into each other.
double Animator::arrowLength(const PenPath& path) const
{
    double length = std::min(0.5 * m_unit, 0.6 * path.length());
    const qsizetype self = &path - m_paths.constData();
    for (qsizetype later = self + 1; later < m_paths.size(); ++later) {
        const QPointF start = m_paths[later].points.first();
        for (qsizetype i = 0; i < path.points.size(); ++i) {
            const QPointF d = path.points[i] - start;
            if (std::hypot(d.x(), d.y()) < m_penWidth / 2 && path.distance[i] > m_trackWidth)
                length = std::min(length, std::max(0.5 * m_trackWidth, path.distance[i] - 5));
        }
    }
    return length;
}

QImage Animator::paperImage() const
{
    QImage image(kFrameSize, kFrameSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 8, right = kFrameSize - 8;
    auto rule = [&](double y, const QColor& colour, bool dashed) {
        if (m_baseY - y * m_unit < 4 || m_baseY - y * m_unit > kFrameSize - 4)
            return;
        QPen pen(colour, 2, Qt::SolidLine, Qt::FlatCap);
        if (dashed)
            pen.setDashPattern({4, 3});
        p.setPen(pen);
        p.drawLine(QPointF(left, m_baseY - y * m_unit), QPointF(right, m_baseY - y * m_unit));
    };
    rule(2, kLine, false);
    rule(1, kLightLine, true);
    rule(0, kLine, false);
    if (m_descender)
        rule(-1, kLine, false);

    if (m_series == Series::Tracing) {
        p.setPen(QPen(kTrack, m_trackWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const PenPath& path : m_paths) {
            if (path.dot)
                p.drawPoint(path.points.first());
            else
                p.drawPath(path.pathTo(path.length()));
        }
        // A start dot and an arrow along the first part of each stroke.
        for (const PenPath& path : m_paths) {
            const QPointF start = path.points.first();
            p.setPen(Qt::NoPen);
            p.setBrush(kGuide);
            p.drawEllipse(start, 3.2, 3.2);
            if (path.dot)
                continue;
            const double tipAt = arrowLength(path);
            const QPointF head = path.pointAt(tipAt);
            QPointF dir = head - path.pointAt(tipAt - 4);
            dir /= std::max(1e-6, std::hypot(dir.x(), dir.y()));
            const QPointF side(-dir.y(), dir.x());
            const double headLength = 7;
            p.setPen(QPen(kGuide, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path.pathTo(tipAt - headLength * 0.7));
            p.setPen(Qt::NoPen);
            p.setBrush(kGuide);
            const QPointF base = head - dir * headLength;
            p.drawPolygon(QPolygonF({head, base + side * 4.5, base - side * 4.5}));
        }
    }
    return image;
}

QImage Animator::frameImage(const Moment& m) const
{
    QImage image = m_paper;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QPen(kInk, m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < m_paths.size() && i <= m.finished; ++i) {
        const PenPath& path = m_paths[i];
        const double written = i < m.finished ? path.length() : m.current;
        if (i == m.finished && written <= 0)
            continue;
        if (path.dot)
            p.drawPoint(path.points.first());
        else
            p.drawPath(path.pathTo(written));
    }

    if (m_series == Series::Tracing) {
        const QFont font = numberFont();
        p.setFont(font);
        for (qsizetype i = 0; i < m_badges.size(); ++i) {
            const QPointF c = m_badges[i].value_or(m_paths[i].points.first());
            p.setPen(Qt::NoPen);
            p.setBrush(kGuide);
            p.drawEllipse(c, kBadgeRadius, kBadgeRadius);
            p.setPen(kWhite);
            p.drawText(QRectF(c.x() - kBadgeRadius, c.y() - kBadgeRadius + 0.5, 2 * kBadgeRadius,
                              2 * kBadgeRadius),
                       Qt::AlignCenter, QString::number(i + 1));
        }
    }

    if (m.pen) {
        const QPointF c = *m.pen;
        if (m.penDown) {
            p.setPen(QPen(kTipRim, 2));
            p.setBrush(kTip);
            p.drawEllipse(c, m_tipRadius - 1, m_tipRadius - 1);
            p.setPen(Qt::NoPen);
            p.setBrush(kWhite);
            p.drawEllipse(c + QPointF(-3, -3), 2.2, 2.2);
        } else {
            // A lifted pen: only its outline, so that the paper shows that
            // nothing is being written.
            p.setPen(QPen(kTipRim, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, m_tipRadius - 1, m_tipRadius - 1);
        }
    }
    return image;
}

void Animator::add(const Moment& m, int delayCs)
{
    m_frames.append({frameImage(m), delayCs});
}

// Eases a stroke in and out a little, as a hand does.
double eased(double t)
{
    return t - 0.6 * std::sin(2 * M_PI * t) / (2 * M_PI);
}

int framesFor(double pixels, double speed, int atLeast)
{
    return std::max(atLeast, int(std::ceil(pixels / speed / kFrameSeconds)));
}

QList<TimedFrame> Animator::frames()
{
    m_frames.clear();
    add(Moment{}, m_series == Series::Tracing ? kIntroDelayTracing : kIntroDelayWriting);

    // The pen comes in from above to the right, as a hand does, and leaves the same way.
    const QPointF aside(14, -18);
    std::optional<QPointF> pen;
    for (int k = 0; k < m_paths.size(); ++k) {
        const PenPath& path = m_paths[k];
        const QPointF start = path.points.first();
        // Bring the lifted pen to the start of the stroke.
        const QPointF from = pen.value_or(start + aside);
        const int approach = framesFor(std::hypot(start.x() - from.x(), start.y() - from.y()),
                                       kLiftedSpeed * m_unit, 3);
        for (int i = 1; i <= approach; ++i) {
            const double t = double(i) / approach;
            add(Moment{k, 0, from + (start - from) * (t * t * (3 - 2 * t)), false}, kFrameDelayCs);
        }
        add(Moment{k, 0, start, true}, kFrameDelayCs);
        if (!path.dot) {
            const int n = framesFor(path.length(), kWritingSpeed * m_unit, 5);
            for (int i = 1; i <= n; ++i) {
                const double s = eased(double(i) / n) * path.length();
                add(Moment{k, s, path.pointAt(s), true}, kFrameDelayCs);
            }
        }
        pen = path.points.last();
    }
    const int all = int(m_paths.size());
    for (int i = 0; i < 3; ++i)
        add(Moment{all, 0, *pen + aside * (i / 2.0), false}, kFrameDelayCs);
    add(Moment{all, 0, std::nullopt, false}, kFinishedDelay);
    return m_frames;
}

} // namespace

QFont numberFont()
{
    QFont font(QStringLiteral("Comic Neue"));
    font.setPixelSize(14);
    font.setBold(true);
    return font;
}

QList<TimedFrame> render(const Glyph& glyph, Series series)
{
    return Animator(glyph, series).frames();
}

QList<QRgb> palette()
{
    const QList<QColor> keys = {kPaper, kLine, kLightLine, kInk,  kTrack,
                                kGuide, kTip,  kTipRim,    kWhite};
    // Pairs of colours that meet at an edge; each gets a ramp of shades.
    const QList<std::pair<QColor, QColor>> edges = {
        {kPaper, kLine},    {kPaper, kLightLine}, {kPaper, kInk},        {kPaper, kTrack},
        {kPaper, kGuide},   {kPaper, kTip},       {kPaper, kTipRim},     {kInk, kLine},
        {kInk, kLightLine}, {kInk, kTrack},       {kInk, kGuide},        {kInk, kTipRim},
        {kTrack, kLine},    {kTrack, kLightLine}, {kTrack, kGuide},      {kTipRim, kTip},
        {kTipRim, kTrack},  {kTipRim, kLine},     {kTipRim, kLightLine}, {kTip, kWhite},
        {kGuide, kWhite},   {kGuide, kLine},
    };
    QList<QRgb> colours;
    for (const QColor& c : keys)
        colours.append(c.rgb());
    const int shades = 10;
    for (const auto& [a, b] : edges) {
        for (int i = 1; i < shades; ++i) {
            const double t = double(i) / shades;
            colours.append(qRgb(qRound(a.red() + (b.red() - a.red()) * t),
                                qRound(a.green() + (b.green() - a.green()) * t),
                                qRound(a.blue() + (b.blue() - a.blue()) * t)));
        }
    }
    return colours;
}

} // namespace LetterAnimation
