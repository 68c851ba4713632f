// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "app/catalogue.h"
#include "core/log.h"
#include "core/screentexts.h"
#include "core/sharedstate.h"
#include "core/version.h"
#include "ui/screenlabel.h"
#include "ui/window.h"

#include <QApplication>
#include <QEvent>

namespace lxp {

namespace {

// For the start-up trace: logs "first frame" once the first paint of the main window
// (of any widget on it) has been carried out (the call is queued behind it), then goes.
class FirstFrameStep : public QObject {
public:
    explicit FirstFrameStep(QWidget* frame) : QObject(frame), m_frame(frame)
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_frame) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    StartupStep("first frame");
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* m_frame;
};

} // namespace

void ApplicationPrepare()
{
    QCoreApplication::setOrganizationName(QLatin1String(version::kCompany));
    QCoreApplication::setApplicationName(QLatin1String(version::kProduct));
    QCoreApplication::setApplicationVersion(QLatin1String(version::kText));
    QGuiApplication::setApplicationDisplayName(QLatin1String(version::kProduct));
    ScreenFontsPrepare();
    StartupStep("fonts");
}

void StartUp()
{
    const Choices choices = Choices::Load();
    SharedState& state = shared();
    state.contentVariant = choices.contentVariant;
    state.helpLanguage = choices.helpLanguage;
    HelpLanguageApply(state.helpLanguage);
    StartupStep("settings and screen texts");

    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (WindowRegistry& registry = windows(); registry.entries().empty())
        ProgramWindowsDefine(registry);
    if (Window* frame = windows().get(QLatin1String(kMainWindowName))) {
        frame->show();
        if (StartupTraced() && frame->screen())
            new FirstFrameStep(frame->screen());
    }
    QApplication::restoreOverrideCursor();
}

} // namespace lxp
