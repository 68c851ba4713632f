// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"

#include <QString>
#include <QtGlobal>

namespace lxp {

// Every caption, tooltip and instruction a screen sets when it loads is a screen
// text: entry n of a numbered list in the help language. The two lists are
// core/texts/english.txt and korean.txt, one entry a line, compiled in.

// The complete list of `language`, entries separated by "|".
QString ScreenTextList(HelpLanguage language);

// Makes the list of `language` the one applied (the shared state's helpTexts).
void HelpLanguageApply(HelpLanguage language);

// Screen text number `n` in the help language stored in the settings (not the one in
// the shared state): the stored choice decides, so a language picked in the language
// window shows only once it is confirmed. "0" for a missing entry.
QString ScreenTextLoad(qint32 n);

// Piece `Number` (counted from 1) of `strText`, pieces being separated by the
// one-character `Separator`; "0" when there is no such piece. A separator of any
// other length never matches, so only piece 1 (the whole text) exists.
QString StringPiece(const QString& strText, const QString& Separator, qint32 Number);

} // namespace lxp
