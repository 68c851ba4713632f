#include "shell/modprogmain.h"

#include "langtext.h"
#include "shell/clslibtext.h"
#include "shell/clsregistry.h"
#include "shell/modlxplang.h"
#include "shell/sharedstate.h"
#include "shell/window.h"

#include <QApplication>
#include <QCursor>
#include <QFont>

namespace lxp {

void ApplicationPrepare()
{
    const VersionInfo& version = shared().version;
    QCoreApplication::setOrganizationName(version.companyName);
    QCoreApplication::setApplicationName(version.productName);
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision));
    QGuiApplication::setApplicationDisplayName(version.productName);

    // The screens are designed with a rounded hand-lettered face; a free look-alike
    // is installed with the program. Hangul falls back to a CJK face.
    const QStringList rounded = {QStringLiteral("Comic Neue"), QStringLiteral("Noto Sans CJK KR")};
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), rounded);
    const QStringList plain = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK KR")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), plain);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), plain);
}

void StartUp()
{
    SharedState& state = shared();

    state.strPRODUCTNAME = QStringLiteral("Lexipond");
    state.strREGBASEKEY = QStringLiteral("SOFTWARE\\") + state.version.companyName +
                          QLatin1Char('\\') + state.strPRODUCTNAME + QLatin1Char('\\');

    state.strLANGUAGE = QStringLiteral("AMERICAN");
    state.strHELPLANGUAGE = QStringLiteral("ENGLISH");

    state.objREGISTRY = std::make_unique<clsREGISTRY>();
    state.objLANGTEXT = std::make_unique<LangText>();
    state.objLIBTEXT = std::make_unique<clsLIBTEXT>();

    const QString key = QLatin1String(kCurrentUserKey);
    const QString subKey = state.strREGBASEKEY + QLatin1String(kSettingsKeyName);
    state.strLANGUAGE =
        state.objREGISTRY->StringLoad(key, subKey, QStringLiteral("LANGUAGE"), state.strLANGUAGE);
    state.strHELPLANGUAGE =
        state.objREGISTRY->StringLoad(key, subKey, QStringLiteral("HELP"), state.strHELPLANGUAGE);

    HelpLanguageApply(state.strHELPLANGUAGE);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (WindowRegistry& registry = windows(); !registry.find(QStringLiteral("mdiPROGMAIN")))
        defineProgramWindows(registry);
    if (Window* frame = windows().get(QStringLiteral("mdiPROGMAIN")))
        frame->Show();
    QApplication::restoreOverrideCursor();
}

} // namespace lxp
