// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the write-along animations: four files for each letter of the stroke table.
//   lxp-letter-animations STROKE-TABLE OUTPUT-FOLDER [LETTERS]
// LETTERS limits the run to some letters (e.g. "bdpq"); all of them by default.

#include "gifwriter.h"
#include "letteranimation.h"
#include "stroketable.h"

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

struct Output {
    QString fileName;
    LetterAnimation::Series series;
};

// The four file names of one letter, as the write-along screen asks for them.
QList<Output> outputsOf(QChar letter)
{
    using LetterAnimation::Series;
    const QString capital = letter.toUpper();
    const QString small = letter.toLower();
    if (letter.isUpper())
        return {{capital + QStringLiteral(" ucase chr.gif"), Series::Writing},
                {capital + QStringLiteral(" - Ucase.gif"), Series::Tracing}};
    return {{small + QStringLiteral(" lcase chr.gif"), Series::Writing},
            {small + QStringLiteral(" - lcase.gif"), Series::Tracing}};
}

int fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4)
        return fail(
            QStringLiteral("usage: lxp-letter-animations STROKE-TABLE OUTPUT-FOLDER [LETTERS]"));

    QFile file(args.at(1));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(args.at(1)));
    LetterStrokes::StrokeTable table;
    QString error;
    if (!table.parse(QString::fromUtf8(file.readAll()), &error))
        return fail(QStringLiteral("%1: %2").arg(args.at(1), error));

    // The same pictures on every machine: no stand-in font for the stroke numbers.
    const QFont font = LetterAnimation::numberFont();
    if (QFontInfo(font).family() != font.family())
        return fail(QStringLiteral("the font %1 is not installed").arg(font.family()));

    const QDir out(args.at(2));
    const QString only = args.size() > 3 ? args.at(3) : QString();
    int written = 0;
    for (const LetterStrokes::Glyph& glyph : table.glyphs()) {
        if (!only.isEmpty() && !only.contains(glyph.letter))
            continue;
        for (const Output& output : outputsOf(glyph.letter)) {
            GifWriter gif(LetterAnimation::palette());
            for (const LetterAnimation::TimedFrame& frame :
                 LetterAnimation::render(glyph, output.series))
                gif.addFrame(frame.image, frame.delayCs);
            if (!gif.write(out.filePath(output.fileName), &error))
                return fail(error);
            QFile::setPermissions(out.filePath(output.fileName),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
            ++written;
        }
    }
    std::printf("%d animations written to %s\n", written, qPrintable(out.absolutePath()));
    return 0;
}
