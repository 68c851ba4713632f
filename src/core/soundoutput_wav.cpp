// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/soundoutput.h"

namespace lxp {
namespace {

// Formats this program plays: uncompressed PCM only.
constexpr quint16 kFormatPcm = 1;
// Far above any real recording; keeps the arithmetic of callers small.
constexpr quint32 kHighestRate = 384000;

quint16 le16(QByteArrayView bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

quint32 le32(QByteArrayView bytes, qsizetype at)
{
    return quint32(le16(bytes, at)) | quint32(le16(bytes, at + 2)) << 16;
}

bool tagAt(QByteArrayView bytes, qsizetype at, const char (&tag)[5])
{
    return bytes.sliced(at, 4) == QByteArrayView(tag, 4);
}

// The "fmt " chunk body; false when it describes something other than 8- or 16-bit
// PCM in one or two channels.
bool formatRead(QByteArrayView body, WavSound& sound)
{
    if (body.size() < 16 || le16(body, 0) != kFormatPcm)
        return false;
    const quint16 channels = le16(body, 2);
    const quint32 rate = le32(body, 4);
    const quint16 blockAlign = le16(body, 12);
    const quint16 bits = le16(body, 14);
    if (channels < 1 || channels > 2 || (bits != 8 && bits != 16))
        return false;
    if (rate < 1 || rate > kHighestRate || blockAlign != channels * bits / 8)
        return false;
    sound.channels = channels;
    sound.sampleRate = int(rate);
    sound.bitsPerSample = bits;
    return true;
}

} // namespace

std::optional<WavSound> WavSoundRead(QByteArrayView wav)
{
    const qsizetype size = wav.size();
    if (size < 12 || !tagAt(wav, 0, "RIFF") || !tagAt(wav, 8, "WAVE"))
        return std::nullopt;

    // The size in the RIFF header is not trusted (some writers leave it wrong);
    // every chunk must lie inside the image itself. Chunks are padded to even sizes.
    WavSound sound;
    bool haveFormat = false;
    qsizetype at = 12;
    while (size - at >= 8) {
        const qsizetype body = at + 8;
        const qint64 chunkSize = le32(wav, at + 4);
        if (chunkSize > size - body)
            return std::nullopt; // truncated image or a lying chunk size
        const QByteArrayView content = wav.sliced(body, qsizetype(chunkSize));
        if (tagAt(wav, at, "fmt ")) {
            if (haveFormat || !formatRead(content, sound))
                return std::nullopt;
            haveFormat = true;
        } else if (tagAt(wav, at, "data")) {
            if (!haveFormat)
                return std::nullopt;
            sound.dataOffset = body;
            sound.dataSize = content.size() - content.size() % sound.frameSize();
            return sound;
        }
        at = body + qsizetype(chunkSize) + qsizetype(chunkSize & 1);
    }
    return std::nullopt;
}

} // namespace lxp
