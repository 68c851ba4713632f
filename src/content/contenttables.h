// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/choices.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

namespace lxp {

// The lesson content lives in six text tables of resource type "DATA", each in a
// British ("ENG_") and an American ("US_") version; every query names the content
// variant it reads and reads its table afresh. Counts come back in the results; the
// lessons keep them where their rules ask. Queries never fail
// towards their caller: a missing table, a broken count line or a block cut short
// give "not found", 0 or nothing, and no query reads past the end of the text.

// Kinds of table, as their resource names spell them after the "ENG_"/"US_" prefix.
inline constexpr const char* kWordsTable = "WRDS";
inline constexpr const char* kLetterTable = "INF";
inline constexpr const char* kPictureWordsTable = "PICANDWORDS";

// A word of a category block.
struct CategoryWord {
    bool found = false; // a line equal to the category key exists
    qint32 count = 0;   // the block's count, or the held count when the count line is unusable
    bool hasWord = false;
    QString word; // word n, when 1 <= n <= count and the table holds that line
};

// The first words of a category block.
struct CategoryWords {
    bool found = false;
    QStringList words;
};

// An entry of a letter block.
struct LetterWord {
    bool found = false; // a header line equal to the letter exists
    QString header;     // the header line as written
    qint32 count = 0;   // the block's entry count
    bool hasEntry = false;
    QString name; // entry n, when 1 <= n <= count and the table holds all four lines
    std::array<QString, 3> sentences;
};

// A word of the pictures-and-words list.
struct PictureWord {
    bool found = false;
    QString word;
};

// Resource name of the table of `kind` in `variant` ("ENG_INF", "US_WRDS", ...).
QString ContentTableName(const QString& kind, ContentVariant variant);

// The lines of the table of `kind` ("WRDS", "INF" or "PICANDWORDS") in `variant`, in
// order; empty when the table cannot be read.
QStringList ContentTableLoad(const QString& kind, ContentVariant variant);

// Word n of the category whose header line equals `key` (case-sensitive). The count
// line is read as a signed 16-bit integer; when it is not one, the count stays
// `heldCount`, the count the caller held before the query.
CategoryWord CategoryWordRead(const QString& key, qint32 n, ContentVariant variant,
                              qint32 heldCount = 0);

// The `count` lines after the count line of the category `key`, in table order (fewer
// when the table ends first). The count line itself is not read.
CategoryWords CategoryWordsList(const QString& key, qint32 count, ContentVariant variant);

// Entry n (name and three sentences) of the letter block whose header, without
// leading and trailing blanks, equals `letter`. The count line is read by its leading
// numeric part, rounded (0 when it has none).
LetterWord LetterWordRead(const QString& letter, qint32 n, ContentVariant variant);

// Number of lines of the pictures-and-words list.
qint32 PictureWordCount(ContentVariant variant);

// Line n of the pictures-and-words list, when 1 <= n <= PictureWordCount().
PictureWord PictureWordRead(qint32 n, ContentVariant variant);

namespace content {

// The parsing rules behind the queries, on a table's bytes as the resource holds
// them; exposed for the tests of malformed tables and for the benchmarks.

// Bytes in the system's ANSI code page (Windows-1252) to text.
QString TextFromAnsi(const QByteArray& bytes);

// Count line of a category block: a signed 16-bit integer, blanks around it allowed,
// a fractional value rounded half to even. False when the line is not such a number.
bool CategoryCountParse(QStringView line, qint32* count);

// Count line of a letter block: the value of its leading numeric part (after leading
// blanks: sign, digits, decimal point), rounded half to even; 0 when there is none or
// the value does not fit a 32-bit integer.
qint32 LetterCountParse(QStringView line);

} // namespace content

} // namespace lxp
