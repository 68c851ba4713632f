// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV reader on any bytes: what it accepts must be playable within the image.
#include "core/soundoutput.h"
#include "fuzzseam.h"

using namespace lxp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray wav = fuzz::bytesOf(data, size);
    const std::optional<WavSound> sound = WavSoundRead(wav);
    if (!sound)
        return 0;
    fuzz::require(sound->channels == 1 || sound->channels == 2, "channels");
    fuzz::require(sound->bitsPerSample == 8 || sound->bitsPerSample == 16, "sample size");
    fuzz::require(sound->sampleRate > 0, "sample rate");
    fuzz::require(sound->dataOffset >= 0 && sound->dataSize >= 0 &&
                      sound->dataOffset + sound->dataSize <= wav.size(),
                  "samples inside the image");
    fuzz::require(sound->dataSize % sound->frameSize() == 0, "whole frames");
    fuzz::require(sound->durationMs() >= 0, "length");
    return 0;
}
