#pragma once

#include <QPoint>
#include <functional>

namespace lxp {

// Where the mouse pointer is, in global screen pixels. The picture buttons and the
// tooltip window ask here rather than the window system directly, so that tests can
// put the pointer where they need it.
QPoint PointerPos();

// Replaces the pointer source (tests); an empty function restores the real pointer.
void setPointerSource(std::function<QPoint()> source);

} // namespace lxp
