// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-text lookup: any entry number in the compiled-in lists, and the piece
// reader on any text, separator and number.
// Input: 2 bytes entry number, 1 byte separator length (0-3), then the text (UTF-8),
// whose first characters serve as the separator.
#include "core/screentexts.h"
#include "fuzzseam.h"

using namespace lxp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const qint32 n = qint16(data[0] | data[1] << 8);
    const QString text = QString::fromUtf8(fuzz::bytesOf(data + 3, size - 3));
    const QString separator = text.left(data[2] % 4);

    const QString piece = StringPiece(text, separator, n);
    if (separator.size() == 1 && piece != QLatin1String("0"))
        fuzz::require(!piece.contains(separator) && text.contains(piece), "one piece");
    for (const HelpLanguage language : {HelpLanguage::English, HelpLanguage::Korean}) {
        const QString entry = StringPiece(ScreenTextList(language), QStringLiteral("|"), n);
        fuzz::require(!entry.contains(QLatin1Char('|')), "one entry");
    }
    return 0;
}
