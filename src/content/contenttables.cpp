// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/contenttables.h"

#include "core/seam.h"

#include <cmath>
#include <limits>

namespace lxp {
namespace {

// Windows-1252 code points of the bytes 0x80 to 0x9F; the rest of the code page
// equals Latin-1. The five unassigned bytes keep their C1 control code points.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

qsizetype NextCrLf(QStringView text, qsizetype from)
{
    qsizetype cr = text.indexOf(u'\r', from);
    while (cr >= 0 && (cr + 1 >= text.size() || text[cr + 1] != u'\n'))
        cr = text.indexOf(u'\r', cr + 1);
    return cr;
}

// Walks the lines of a table text. A line ends at CR LF or at "|": the tables are
// read as if every CR LF had been turned into "|" and the text split there, so a "|"
// inside a line splits it too. A last line without its line end still counts.
class LineReader {
public:
    explicit LineReader(QStringView text)
        : m_text(text), m_bar(text.indexOf(u'|')), m_crlf(NextCrLf(text, 0))
    {
    }

    bool next(QStringView* line)
    {
        const qsizetype size = m_text.size();
        if (m_pos >= size)
            return false;
        if (m_bar >= 0 && m_bar < m_pos)
            m_bar = m_text.indexOf(u'|', m_pos);
        if (m_crlf >= 0 && m_crlf < m_pos)
            m_crlf = NextCrLf(m_text, m_pos);
        qsizetype end = size;
        qsizetype endLength = 0;
        if (m_bar >= 0 && (m_crlf < 0 || m_bar < m_crlf)) {
            end = m_bar;
            endLength = 1;
        } else if (m_crlf >= 0) {
            end = m_crlf;
            endLength = 2;
        }
        *line = m_text.sliced(m_pos, end - m_pos);
        m_pos = end + endLength;
        return true;
    }

    // Skips up to `count` lines; false when the text ends first.
    bool skip(qint64 count)
    {
        QStringView ignored;
        for (qint64 i = 0; i < count; ++i)
            if (!next(&ignored))
                return false;
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    // Positions of the next "|" and of the next CR LF at or after m_pos; -1 when
    // there is none left.
    qsizetype m_bar;
    qsizetype m_crlf;
};

QString TableText(const QString& kind, ContentVariant variant)
{
    return content::TextFromAnsi(
        seam().resource(QStringLiteral("DATA"), ContentTableName(kind, variant)));
}

// Reads lines until one equals `key` exactly; false when none does.
bool FindLine(LineReader& reader, const QString& key)
{
    QStringView line;
    while (reader.next(&line))
        if (line == key)
            return true;
    return false;
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView WithoutBlanks(QStringView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && IsBlank(line[begin]))
        ++begin;
    while (end > begin && IsBlank(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

// Reads a decimal number (sign, digits, optional decimal point and digits) at the
// start of `text`. Returns the number of characters it used, 0 when there is no
// number; `value` gets the number rounded half to even.
qsizetype LeadingNumber(QStringView text, double* value)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    if (i < size && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < size && IsDigit(text[i]))
        ++i;
    qsizetype digits = i - digitsStart;
    qsizetype end = i;
    if (i < size && text[i] == u'.') {
        ++i;
        const qsizetype fractionStart = i;
        while (i < size && IsDigit(text[i]))
            ++i;
        digits += i - fractionStart;
        if (digits)
            end = i;
    }
    if (!digits)
        return 0;
    // The conversion takes ".5" but not a point with no digits after it.
    QString number = text.first(end).toString();
    if (number.endsWith(u'.'))
        number.chop(1);
    bool ok = false;
    const double parsed = number.toDouble(&ok);
    if (!ok)
        return 0;
    *value = std::nearbyint(parsed);
    return end;
}

template <typename Int> bool FitsIn(double value)
{
    return value >= double(std::numeric_limits<Int>::min()) &&
           value <= double(std::numeric_limits<Int>::max());
}

} // namespace

namespace content {

QString TextFromAnsi(const QByteArray& bytes)
{
    QString text = QString::fromLatin1(bytes);
    unsigned char high = 0;
    for (const char byte : bytes)
        high |= static_cast<unsigned char>(byte);
    if (high < 0x80)
        return text;
    for (QChar& c : text)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar(kCp1252High[c.unicode() - 0x80]);
    return text;
}

bool CategoryCountParse(QStringView line, qint32* count)
{
    const QStringView trimmed = WithoutBlanks(line);
    double value = 0;
    const qsizetype used = LeadingNumber(trimmed, &value);
    if (used == 0 || used != trimmed.size() || !FitsIn<qint16>(value))
        return false;
    *count = qint32(value);
    return true;
}

qint32 LetterCountParse(QStringView line)
{
    qsizetype begin = 0;
    while (begin < line.size() && IsBlank(line[begin]))
        ++begin;
    double value = 0;
    if (LeadingNumber(line.sliced(begin), &value) == 0 || !FitsIn<qint32>(value))
        return 0;
    return qint32(value);
}

} // namespace content

QString ContentTableName(const QString& kind, ContentVariant variant)
{
    const bool british = variant == ContentVariant::British;
    return (british ? QStringLiteral("ENG_") : QStringLiteral("US_")) + kind;
}

QStringList ContentTableLoad(const QString& kind, ContentVariant variant)
{
    const QString text = TableText(kind, variant);
    QStringView line;
    qsizetype count = 0;
    for (LineReader counter(text); counter.next(&line);)
        ++count;
    QStringList lines;
    lines.reserve(count);
    for (LineReader reader(text); reader.next(&line);)
        lines.append(line.toString());
    return lines;
}

CategoryWord CategoryWordRead(const QString& key, qint32 n, ContentVariant variant,
                              qint32 heldCount)
{
    CategoryWord result;
    const QString text = TableText(QLatin1String(kWordsTable), variant);
    LineReader reader(text);
    if (!FindLine(reader, key))
        return result;
    result.found = true;
    result.count = heldCount;
    QStringView countLine;
    if (reader.next(&countLine))
        content::CategoryCountParse(countLine, &result.count);
    if (n < 1 || n > result.count)
        return result;
    QStringView line;
    if (!reader.skip(qint64(n) - 1) || !reader.next(&line))
        return result;
    result.hasWord = true;
    result.word = line.toString();
    return result;
}

CategoryWords CategoryWordsList(const QString& key, qint32 count, ContentVariant variant)
{
    CategoryWords result;
    const QString text = TableText(QLatin1String(kWordsTable), variant);
    LineReader reader(text);
    if (!FindLine(reader, key))
        return result;
    result.found = true;
    if (!reader.skip(1))
        return result;
    QStringView line;
    for (qint32 i = 0; i < count && reader.next(&line); ++i)
        result.words.append(line.toString());
    return result;
}

LetterWord LetterWordRead(const QString& letter, qint32 n, ContentVariant variant)
{
    LetterWord result;
    const QString text = TableText(QLatin1String(kLetterTable), variant);
    LineReader reader(text);
    QStringView line;
    bool found = false;
    while (!found && reader.next(&line)) {
        if (WithoutBlanks(line) == letter)
            found = true;
        else if (line.isEmpty())
            return result;
    }
    if (!found)
        return result;
    result.found = true;
    result.header = line.toString();
    QStringView countLine;
    result.count = reader.next(&countLine) ? content::LetterCountParse(countLine) : 0;
    if (n < 1 || n > result.count)
        return result;
    if (!reader.skip(4 * (qint64(n) - 1)))
        return result;
    QStringView entry[4];
    for (QStringView& part : entry)
        if (!reader.next(&part))
            return result;
    result.hasEntry = true;
    result.name = entry[0].toString();
    for (int i = 0; i < 3; ++i)
        result.sentences[i] = entry[i + 1].toString();
    return result;
}

qint32 PictureWordCount(ContentVariant variant)
{
    const QString text = TableText(QLatin1String(kPictureWordsTable), variant);
    LineReader reader(text);
    QStringView line;
    qint32 count = 0;
    while (reader.next(&line))
        ++count;
    return count;
}

PictureWord PictureWordRead(qint32 n, ContentVariant variant)
{
    PictureWord result;
    if (n < 1)
        return result;
    const QString text = TableText(QLatin1String(kPictureWordsTable), variant);
    LineReader reader(text);
    QStringView line;
    if (!reader.skip(qint64(n) - 1) || !reader.next(&line))
        return result;
    result.found = true;
    result.word = line.toString();
    return result;
}

} // namespace lxp
