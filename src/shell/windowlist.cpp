#include "controls/frmtooltip.h"
#include "dialogs/frmmsgcrect.h"
#include "dialogs/frmmsgcrt10.h"
#include "dialogs/frmmsgplyag.h"
#include "dialogs/frmmsgwrong.h"
#include "lessons/pairs/frmlesspair.h"
#include "lessons/placeholder/placeholderlesson.h"
#include "shell/frmaboutlxp.h"
#include "shell/frmlanguage.h"
#include "shell/frmmainmenu.h"
#include "shell/mdiprogmain.h"
#include "shell/window.h"

namespace lxp {

namespace {
template <class T> void defineWindow(WindowRegistry& registry) {
    registry.define(QLatin1String(T::kName), [] { return std::make_unique<T>(); });
}

// A lesson that is not built yet: its page, its title (a screen-text entry) and
// the picture of its main-menu button.
void definePlaceholder(WindowRegistry& registry, const char* name, int titleText,
                       const char* menuButton) {
    registry.define(QLatin1String(name), [=] {
        return std::make_unique<PlaceholderLesson>(QLatin1String(name), titleText,
                                                   QLatin1String(menuButton));
    });
}
} // namespace

void defineProgramWindows(WindowRegistry& registry) {
    defineWindow<mdiPROGMAIN>(registry);
    defineWindow<frmMAINMENU>(registry);
    defineWindow<frmTOOLTIP>(registry);
    defineWindow<frmLANGUAGE>(registry);
    defineWindow<frmABOUTLXP>(registry);
    defineWindow<frmMSGCRECT>(registry);
    defineWindow<frmMSGCRT10>(registry);
    defineWindow<frmMSGWRONG>(registry);
    defineWindow<frmMSGPLYAG>(registry);
    definePlaceholder(registry, "frmLESSALPH", 37, "btnpALPHABET");
    definePlaceholder(registry, "frmLESSWRDM", 38, "btnpWORDS");
    definePlaceholder(registry, "frmLESSPCWD", 39, "btnpPICANDWORDS");
    definePlaceholder(registry, "frmLESSWRIT", 40, "btnpWRITEALONG");
    defineWindow<frmLESSPAIR>(registry);
}

} // namespace lxp
