// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QPoint>

#include <optional>

namespace lxp {

// The pointing hand that every picture button, link label and playing card shows:
// cursor resource 101 of the resource table, decoded once and kept. When the resource
// is missing or cannot be read, the system's own pointing hand stands in (and the
// resource is tried again on the next call).
QCursor HandCursor();

// The hot spot stored in a .cur file image: the first directory entry keeps it in
// the two fields that an icon uses for planes (x) and bit count (y). Null when the
// bytes are not a cursor file.
std::optional<QPoint> CursorHotSpot(const QByteArray& curFile);

// The cursor a .cur file image makes, with its hot spot; nothing when the bytes are
// not a cursor file the image reader can decode.
std::optional<QCursor> CursorFromFile(const QByteArray& curFile);

} // namespace lxp
