// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QRect>
#include <QString>

namespace lxp {

// The dark blue ink of texts on the light cards and panels of the screens.
inline const QColor kInk(0x1F, 0x3A, 0x5F);

// How a screen's text label looks: the screens' rounded hand-lettered face at a size,
// its weight, ink, alignment and wrapping.
struct LabelLook {
    qreal pointSize = 12;
    bool bold = false;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
};

// Makes the fonts the screens ask for ("Comic Sans MS", "Tahoma", "MS Sans Serif")
// resolve to the ones installed with the program, Hangul to a CJK face.
void ScreenFontsPrepare();

// A text label named `name` (its objectName) on `parent` at `geometry`.
QLabel* ScreenLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                    const LabelLook& look);

// A drawn shape named `name` on `parent` at `geometry` (a panel, a frame, a border), as
// the style sheet `style` draws it. The mouse passes through it to what lies beneath.
QFrame* ScreenDecoration(QWidget* parent, const QString& name, const QRect& geometry,
                         const QString& style);

// The label's text colour, and changing it (hover highlights, flashing headlines).
QColor LabelColour(const QLabel& label);
void LabelColourSet(QLabel& label, const QColor& colour);

} // namespace lxp
