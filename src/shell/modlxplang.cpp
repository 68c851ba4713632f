#include "shell/modlxplang.h"

#include "langtext.h"
#include "shell/clslibtext.h"
#include "shell/clsregistry.h"
#include "shell/sharedstate.h"

namespace lxp {

void HelpLanguageApply(const QString& language)
{
    SharedState& state = shared();
    if (!state.objLANGTEXT)
        return;
    if (language == QLatin1String("ENGLISH"))
        state.strHELPTEXTS = state.objLANGTEXT->EnglishTexts();
    else if (language == QLatin1String("KOREAN"))
        state.strHELPTEXTS = state.objLANGTEXT->KoreanTexts();
}

QString ScreenTextLoad(qint32 n)
{
    SharedState& state = shared();
    if (state.objREGISTRY) {
        const QString language = state.objREGISTRY->StringLoad(
            QLatin1String(kCurrentUserKey),
            state.strREGBASEKEY + QLatin1String(kSettingsKeyName), QStringLiteral("HELP"),
            QStringLiteral("ENGLISH"));
        HelpLanguageApply(language);
    }
    return clsLIBTEXT::StringPiece(state.strHELPTEXTS, QStringLiteral("|"), n);
}

} // namespace lxp
