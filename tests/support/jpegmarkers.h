// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

namespace lxp {

// Start-of-frame markers of a JPEG, read from the segment headers up to its first
// scan: 0xC0 baseline, 0xC2 progressive, ...
inline QList<int> jpegFrameMarkers(const QByteArray& jpg)
{
    QList<int> markers;
    if (jpg.size() < 4 || quint8(jpg[0]) != 0xFF || quint8(jpg[1]) != 0xD8)
        return markers;
    qsizetype at = 2;
    while (at + 4 <= jpg.size() && quint8(jpg[at]) == 0xFF) {
        const int marker = quint8(jpg[at + 1]);
        if (marker == 0xDA)
            break;
        const int length = (quint8(jpg[at + 2]) << 8) | quint8(jpg[at + 3]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            markers << marker;
        at += 2 + length;
    }
    return markers;
}

} // namespace lxp
