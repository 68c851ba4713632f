#include "controls/frmtooltip.h"
#include "shell/frmmainmenu.h"
#include "shell/mdiprogmain.h"
#include "shell/window.h"

namespace lxp {

namespace {
template <class T> void defineWindow(WindowRegistry& registry)
{
    registry.define(QLatin1String(T::kName), [] { return std::make_unique<T>(); });
}
} // namespace

void defineProgramWindows(WindowRegistry& registry)
{
    defineWindow<mdiPROGMAIN>(registry);
    defineWindow<frmMAINMENU>(registry);
    defineWindow<frmTOOLTIP>(registry);
}

} // namespace lxp
