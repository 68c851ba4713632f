#pragma once

#include <QString>

namespace lxp {

// The screen-text provider: the complete list of screen texts of one language as a
// single text, entries separated by "|", entry n being line n of the language's
// source list.
class LangText {
public:
    QString EnglishTexts() const;
    QString KoreanTexts() const;
};

} // namespace lxp
