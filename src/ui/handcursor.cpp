// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/handcursor.h"

#include "core/seam.h"
#include "ui/media.h"

#include <QImage>
#include <QPixmap>
#include <QtEndian>

namespace lxp {

namespace {

constexpr int kDirectoryHeaderSize = 6;
constexpr int kDirectoryEntrySize = 16;
constexpr quint16 kCursorType = 2;

quint16 readWord(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

std::optional<QPoint> CursorHotSpot(const QByteArray& curFile)
{
    if (curFile.size() < kDirectoryHeaderSize + kDirectoryEntrySize)
        return std::nullopt;
    if (readWord(curFile, 0) != 0 || readWord(curFile, 2) != kCursorType ||
        readWord(curFile, 4) < 1)
        return std::nullopt;
    const int entry = kDirectoryHeaderSize;
    return QPoint(readWord(curFile, entry + 4), readWord(curFile, entry + 6));
}

std::optional<QCursor> CursorFromFile(const QByteArray& curFile)
{
    const std::optional<QPoint> hotSpot = CursorHotSpot(curFile);
    if (!hotSpot)
        return std::nullopt;
    // The image reader handles the cursor flavour of the icon format ("cur").
    const QImage image = ImageDecode(curFile);
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotSpot->x(), hotSpot->y());
}

QCursor HandCursor()
{
    static std::optional<QCursor> cached;
    if (cached)
        return *cached;

    cached = CursorFromFile(seam().resource(QStringLiteral("CURSOR"), QStringLiteral("101")));
    return cached.value_or(QCursor(Qt::PointingHandCursor));
}

} // namespace lxp
