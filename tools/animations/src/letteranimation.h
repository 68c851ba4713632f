// SPDX-License-Identifier: GPL-3.0-or-later
// Turns one glyph of the stroke table into the frames of its animation: the
// letter written stroke by stroke on handwriting lines ("chr" series), or the
// tracing guide with numbered starts and direction arrows ("-" series).
#pragma once

#include "stroketable.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRgb>

namespace LetterAnimation {

enum class Series { Writing, Tracing };

struct TimedFrame {
    QImage image;
    int delayCs = 0;
};

// The frame size and frame time of every animation.
constexpr int kFrameSize = 200;
constexpr int kFrameDelayCs = 5; // 20 frames a second while the pen moves

QList<TimedFrame> render(const LetterStrokes::Glyph& glyph, Series series);

// The rounded face of the tracing guide's stroke numbers.
QFont numberFont();

// Every colour the frames use, with the in-between shades that smooth edges
// need; at most 256 entries.
QList<QRgb> palette();

} // namespace LetterAnimation
