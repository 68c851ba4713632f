// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <chrono>
#include <optional>

namespace lxp {

// Sound output of the platform. Plays a complete RIFF WAV image to its end and
// blocks the caller meanwhile; returns at once when the device is busy or absent,
// and plays nothing for data it cannot play.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(const QByteArray& wav) = 0;

    // When the last play() handed its first samples to the sound system; the clock's
    // epoch when that call played nothing.
    virtual std::chrono::steady_clock::time_point lastStart() const { return {}; }
};

// The platform's sound output (one per program run).
SoundOutput& platformSoundOutput();

// The playable part of a RIFF WAV image: uncompressed PCM, 8-bit unsigned or 16-bit
// signed little-endian samples, one or two channels.
struct WavSound {
    int channels = 0;
    int sampleRate = 0; // frames a second
    int bitsPerSample = 0;
    qsizetype dataOffset = 0; // where the samples begin in the image
    qsizetype dataSize = 0;   // bytes of whole frames, possibly 0

    int frameSize() const { return channels * bitsPerSample / 8; }
    qint64 durationMs() const { return qint64(dataSize / frameSize()) * 1000 / sampleRate; }
};

// Reads the format and the place of the samples from a WAV image. The image is
// untrusted: anything but a complete, well-formed PCM file of the kinds above gives
// no result, and nothing is read outside `wav`.
std::optional<WavSound> WavSoundRead(QByteArrayView wav);

} // namespace lxp
