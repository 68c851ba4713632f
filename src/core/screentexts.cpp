// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/screentexts.h"

#include "core/sharedstate.h"

namespace lxp {

void HelpLanguageApply(HelpLanguage language)
{
    shared().helpTexts = ScreenTextList(language);
}

QString ScreenTextLoad(qint32 n)
{
    HelpLanguageApply(Choices::HelpLanguageLoad());
    return StringPiece(shared().helpTexts, QStringLiteral("|"), n);
}

QString StringPiece(const QString& strText, const QString& Separator, qint32 Number)
{
    if (Separator.size() != 1)
        return Number == 1 ? strText : QStringLiteral("0");
    if (Number < 1)
        return QStringLiteral("0");
    const QChar separator = Separator.at(0);
    qsizetype pieceStart = 0;
    for (qint32 seen = 1; seen < Number; ++seen) {
        const qsizetype at = strText.indexOf(separator, pieceStart);
        if (at < 0)
            return QStringLiteral("0");
        pieceStart = at + 1;
    }
    const qsizetype pieceEnd = strText.indexOf(separator, pieceStart);
    return pieceEnd < 0 ? strText.mid(pieceStart) : strText.mid(pieceStart, pieceEnd - pieceStart);
}

} // namespace lxp
