// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sharedstate.h"

namespace lxp {

SharedState& shared()
{
    static SharedState state;
    return state;
}

void resetShared()
{
    shared() = SharedState();
}

} // namespace lxp
