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
