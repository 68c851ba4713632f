#pragma once

#include <QString>
#include <QtGlobal>

namespace lxp {

// The text library: cuts numbered pieces out of separated lists.
class clsLIBTEXT {
public:
    // Piece `Number` (counted from 1) of `strText`, pieces being separated by the
    // one-character `Separator`; "0" when there is no such piece. A separator of
    // any other length never matches, so only piece 1 (the whole text) exists.
    static QString StringPiece(const QString& strText, const QString& Separator, qint32 Number);
};

} // namespace lxp
