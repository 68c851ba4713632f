// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include <algorithm>
#include <gif_lib.h>
#include <limits>

namespace {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

// The smallest rectangle holding every pixel where the two frames differ;
// empty when they are the same.
Rect changedRect(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b,
                 int width, int height)
{
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const unsigned char* ra = a.data() + size_t(y) * width;
        const unsigned char* rb = b.data() + size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            if (ra[x] == rb[x])
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

} // namespace

GifWriter::GifWriter(QList<QRgb> palette) : m_palette(std::move(palette))
{
    m_palette.resize(std::min<qsizetype>(m_palette.size(), 256));
}

unsigned char GifWriter::indexOf(QRgb colour)
{
    const auto cached = m_nearest.constFind(colour);
    if (cached != m_nearest.constEnd())
        return *cached;
    // Nearest palette colour, the channels weighted roughly as the eye sees them.
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 0; i < m_palette.size(); ++i) {
        const long dr = qRed(colour) - qRed(m_palette[i]);
        const long dg = qGreen(colour) - qGreen(m_palette[i]);
        const long db = qBlue(colour) - qBlue(m_palette[i]);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    m_nearest.insert(colour, static_cast<unsigned char>(best));
    return static_cast<unsigned char>(best);
}

void GifWriter::addFrame(const QImage& frame, int delayCs)
{
    const QImage image = frame.convertToFormat(QImage::Format_RGB32);
    Frame f;
    f.width = image.width();
    f.height = image.height();
    f.delayCs = delayCs;
    f.pixels.resize(size_t(f.width) * f.height);
    for (int y = 0; y < f.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < f.width; ++x)
            f.pixels[size_t(y) * f.width + x] = indexOf(row[x] | 0xff000000u);
    }
    if (!m_frames.isEmpty() && m_frames.last().pixels == f.pixels) {
        m_frames.last().delayCs += delayCs;
        return;
    }
    m_frames.append(std::move(f));
}

bool GifWriter::write(const QString& path, QString* error) const
{
    auto fail = [error](const QString& what) {
        if (error)
            *error = what;
        return false;
    };
    if (m_frames.isEmpty())
        return fail(QStringLiteral("no frames"));

    int gifError = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &gifError);
    if (!gif)
        return fail(QStringLiteral("cannot open %1: %2")
                        .arg(path, QString::fromUtf8(GifErrorString(gifError))));
    EGifSetGifVersion(gif, true);

    std::vector<GifColorType> colours(256, GifColorType{0, 0, 0});
    for (int i = 0; i < m_palette.size(); ++i)
        colours[i] =
            GifColorType{GifByteType(qRed(m_palette[i])), GifByteType(qGreen(m_palette[i])),
                         GifByteType(qBlue(m_palette[i]))};
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    const Frame& first = m_frames.first();
    bool ok = EGifPutScreenDesc(gif, first.width, first.height, 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);

    // Loop forever: the application extension with a loop count of 0.
    static const GifByteType loopName[] = "NETSCAPE2.0";
    static const GifByteType loopForever[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, 11, loopName) == GIF_OK &&
         EGifPutExtensionBlock(gif, 3, loopForever) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;

    const std::vector<unsigned char>* previous = nullptr;
    std::vector<GifPixelType> row;
    for (const Frame& frame : m_frames) {
        if (!ok)
            break;
        Rect r{0, 0, frame.width, frame.height};
        if (previous) {
            r = changedRect(*previous, frame.pixels, frame.width, frame.height);
            if (r.width == 0)
                r = {0, 0, 1, 1}; // only reached when a caller repeats frames
        }
        GraphicsControlBlock control{DISPOSE_DO_NOT, false, frame.delayCs, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
             EGifPutImageDesc(gif, r.left, r.top, r.width, r.height, false, nullptr) == GIF_OK;
        row.resize(r.width);
        for (int y = r.top; ok && y < r.top + r.height; ++y) {
            const unsigned char* source = frame.pixels.data() + size_t(y) * frame.width + r.left;
            std::copy(source, source + r.width, row.begin());
            ok = EGifPutLine(gif, row.data(), r.width) == GIF_OK;
        }
        previous = &frame.pixels;
    }
    if (!ok)
        gifError = gif->Error;
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        ok = false;
        gifError = closeError;
    }
    if (!ok)
        return fail(QStringLiteral("cannot write %1: %2")
                        .arg(path, QString::fromUtf8(GifErrorString(gifError))));
    return true;
}
