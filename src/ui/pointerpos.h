// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <functional>

namespace lxp {

// Where the mouse pointer is, in global screen pixels (QCursor::pos()). The picture
// buttons and the tooltip window ask here so that a test can say where the pointer
// is, which the offscreen platform cannot. The pointer is window-system state, not
// outside data: it is not part of the seam.
QPoint PointerPos();

// Replaces the pointer source (tests); an empty function restores the real pointer.
void setPointerSource(std::function<QPoint()> source);

} // namespace lxp
