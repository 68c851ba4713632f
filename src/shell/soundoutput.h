#pragma once

#include <QByteArray>

namespace lxp {

// Sound output of the platform. Plays a complete RIFF WAV image to its end and
// blocks the caller meanwhile; returns at once when the device is busy or absent,
// and plays nothing for data it cannot play.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(const QByteArray& wav) = 0;
};

// The platform's sound output (one per program run).
SoundOutput& platformSoundOutput();

} // namespace lxp
