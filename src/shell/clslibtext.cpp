#include "shell/clslibtext.h"

namespace lxp {

QString clsLIBTEXT::StringPiece(const QString& strText, const QString& Separator, qint32 Number)
{
    const bool singleCharacter = Separator.size() == 1;
    const QChar separator = singleCharacter ? Separator.at(0) : QChar();
    qint64 separatorsSeen = 0;
    qsizetype pieceStart = 0;
    for (qsizetype i = 0; i < strText.size(); ++i) {
        if (!singleCharacter || strText.at(i) != separator)
            continue;
        ++separatorsSeen;
        if (separatorsSeen == qint64(Number) - 1)
            pieceStart = i + 1;
        else if (separatorsSeen == Number)
            return strText.mid(pieceStart, i - pieceStart);
    }
    if (separatorsSeen == qint64(Number) - 1)
        return strText.mid(pieceStart);
    return QStringLiteral("0");
}

} // namespace lxp
