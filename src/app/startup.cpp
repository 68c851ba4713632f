// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/catalogue.h"
#include "core/screentexts.h"
#include "core/sharedstate.h"
#include "core/version.h"
#include "ui/screenlabel.h"
#include "ui/window.h"

#include <QApplication>

namespace lxp {

void ApplicationPrepare()
{
    QCoreApplication::setOrganizationName(QLatin1String(version::kCompany));
    QCoreApplication::setApplicationName(QLatin1String(version::kProduct));
    QCoreApplication::setApplicationVersion(QLatin1String(version::kText));
    QGuiApplication::setApplicationDisplayName(QLatin1String(version::kProduct));
    ScreenFontsPrepare();
}

void StartUp()
{
    const Choices choices = Choices::Load();
    SharedState& state = shared();
    state.contentVariant = choices.contentVariant;
    state.helpLanguage = choices.helpLanguage;
    HelpLanguageApply(state.helpLanguage);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (WindowRegistry& registry = windows(); registry.entries().empty())
        ProgramWindowsDefine(registry);
    if (Window* frame = windows().get(QLatin1String(kMainWindowName)))
        frame->show();
    QApplication::restoreOverrideCursor();
}

} // namespace lxp
