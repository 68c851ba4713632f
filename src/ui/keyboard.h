// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

class QPainter;
class QWidget;

namespace lxp {

// The program's focus ring: a white band inside a dark blue one, plain on every face
// and picture, drawn just inside `rect`.
void FocusRingPaint(QPainter& painter, const QRect& rect);

// Gives a focusable control that paints nothing of its own (a playing card, say) the
// focus ring: it shows while the control has the focus after keyboard use (Tab, or a
// key pressed on it) and hides on a mouse press, as the picture buttons' ring does.
void FocusRingAttach(QWidget* control);

// An arrow key on `from`: moves the focus to the nearest of `among` that lies that way
// (Left, Right, Up or Down) and answers true; false for any other key or when none lies
// that way.
bool ArrowFocusMove(int key, QWidget* from, const QList<QWidget*>& among);

} // namespace lxp
