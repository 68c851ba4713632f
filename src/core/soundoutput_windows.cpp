// SPDX-License-Identifier: GPL-3.0-or-later
// Sound output through the system's own WAV player: plays the image from memory,
// synchronously, returns at once when the device is busy and never falls back to
// the default system sound.

#include "core/soundoutput.h"

#include <mmsystem.h>
#include <windows.h>

namespace lxp {
namespace {

class WindowsOutput final : public SoundOutput {
public:
    void play(const QByteArray& wav) override
    {
        // The system player reads the image without bounds of its own; only complete,
        // well-formed images reach it.
        if (!WavSoundRead(wav))
            return;
        PlaySoundA(wav.constData(), nullptr, SND_MEMORY | SND_NODEFAULT | SND_NOWAIT);
    }
};

} // namespace

SoundOutput& platformSoundOutput()
{
    static WindowsOutput output;
    return output;
}

} // namespace lxp
