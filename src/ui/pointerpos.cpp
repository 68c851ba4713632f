// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pointerpos.h"

#include <QCursor>

namespace lxp {

namespace {
std::function<QPoint()>& pointerSource()
{
    static std::function<QPoint()> source;
    return source;
}
} // namespace

QPoint PointerPos()
{
    const auto& source = pointerSource();
    return source ? source() : QCursor::pos();
}

void setPointerSource(std::function<QPoint()> source)
{
    pointerSource() = std::move(source);
}

} // namespace lxp
