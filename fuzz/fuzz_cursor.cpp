// SPDX-License-Identifier: GPL-3.0-or-later
// The cursor reader (hot spot and the image reader's cursor decoder) on any bytes.
#include "fuzzseam.h"
#include "ui/handcursor.h"

using namespace lxp;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::fuzzSeam();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray cur = fuzz::bytesOf(data, size);
    const std::optional<QCursor> cursor = CursorFromFile(cur);
    if (cursor)
        fuzz::require(CursorHotSpot(cur).has_value() && !cursor->pixmap().isNull(),
                      "a cursor from a cursor file");
    return 0;
}
