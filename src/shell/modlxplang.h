#pragma once

#include <QString>
#include <QtGlobal>

namespace lxp {

// Loads the screen-text list of `language` ("ENGLISH" or "KOREAN") into
// strHELPTEXTS; any other value keeps the list loaded last.
void HelpLanguageApply(const QString& language);

// Screen text number `n` in the help language stored in the settings (not the one
// in the shared state): the stored choice decides, so a language picked in the
// language window shows only once it is confirmed. "0" for a missing entry.
QString ScreenTextLoad(qint32 n);

} // namespace lxp
