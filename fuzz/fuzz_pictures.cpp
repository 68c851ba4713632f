// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's picture decoders (JPEG, BMP, GIF and whatever else the bytes claim to be) as
// the program calls them: a word photograph read from the resource table.
#include "fuzzseam.h"
#include "ui/media.h"

using namespace lxp;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::fuzzSeam();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TestSeam& seam = fuzz::fuzzSeam();
    seam.setResource(QStringLiteral("CUSTOM"), QStringLiteral("FUZZ"), fuzz::bytesOf(data, size));
    const QPixmap picture = PictureFromResource(QStringLiteral("CUSTOM"), QStringLiteral("fuzz"));
    if (!picture.isNull())
        fuzz::require(picture.width() > 0 && picture.height() > 0, "a picture has a size");
    return 0;
}
