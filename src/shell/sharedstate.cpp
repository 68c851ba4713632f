#include "shell/sharedstate.h"

#include "shell/clslibtext.h"
#include "shell/clsregistry.h"
#include "langtext.h"

namespace lxp {
namespace {
std::unique_ptr<SharedState>& instance()
{
    static std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    return state;
}
} // namespace

SharedState::SharedState() = default;
SharedState::~SharedState() = default;

SharedState& shared()
{
    return *instance();
}

void resetShared()
{
    instance() = std::make_unique<SharedState>();
}

} // namespace lxp
