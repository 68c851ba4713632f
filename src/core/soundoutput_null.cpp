// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/soundoutput.h"

namespace lxp {
namespace {

// Used where the build has no sound library: every call returns at once, silently.
class SilentOutput : public SoundOutput {
public:
    void play(const QByteArray&) override {}
};

} // namespace

SoundOutput& platformSoundOutput()
{
    static SilentOutput output;
    return output;
}

} // namespace lxp
