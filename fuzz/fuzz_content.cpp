// SPDX-License-Identifier: GPL-3.0-or-later
// Every content query on any table bytes.
// Input: 1 byte entry number (signed), 1 byte held count (signed), 1 byte choosing the
// content variant and the line used as a block key, then the table.
#include "content/contenttables.h"
#include "fuzzseam.h"

using namespace lxp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    TestSeam& seam = fuzz::fuzzSeam();
    const qint32 n = qint8(data[0]);
    const qint32 held = qint8(data[1]);
    const ContentVariant variant = data[2] & 1 ? ContentVariant::British : ContentVariant::American;
    const QByteArray table = fuzz::bytesOf(data + 3, size - 3);
    for (const char* kind : {kWordsTable, kLetterTable, kPictureWordsTable})
        seam.setResource(QStringLiteral("DATA"), ContentTableName(QLatin1String(kind), variant),
                         table);

    const QStringList lines = ContentTableLoad(QLatin1String(kWordsTable), variant);
    const QString key = lines.isEmpty() ? QString() : lines.at((data[2] >> 1) % lines.size());

    const CategoryWord word = CategoryWordRead(key, n, variant, held);
    fuzz::require(!word.hasWord || (word.found && n >= 1 && n <= word.count), "category word");
    const CategoryWords words = CategoryWordsList(key, n, variant);
    fuzz::require(words.words.size() <= qMax(n, 0), "category list length");
    const LetterWord letter = LetterWordRead(key.trimmed(), n, variant);
    fuzz::require(!letter.hasEntry || (letter.found && n >= 1 && n <= letter.count),
                  "letter entry");
    const qint32 pictureWords = PictureWordCount(variant);
    fuzz::require(pictureWords == lines.size(), "picture word count");
    const PictureWord pictureWord = PictureWordRead(n, variant);
    fuzz::require(pictureWord.found == (n >= 1 && n <= pictureWords), "picture word");

    qint32 count = 0;
    content::CategoryCountParse(key, &count);
    content::LetterCountParse(key);
    return 0;
}
