// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readers of the shipped content for the checks of pictures, sounds and animations.

#include "content/contenttables.h"
#include "content/wordresourcename.h"
#include "core/resourcetable.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QStringList>

namespace lxp {

inline QString sourcePath(const QString& relative)
{
    return QStringLiteral(LEXIPOND_SOURCE_DIR "/") + relative;
}

// Resource names of every word of the six content tables: those of the category words
// of both spelling variants, which cover the words of the other tables
// (tst_contentshipped checks that).
inline QSet<QString> shippedWordNames()
{
    QSet<QString> names;
    for (const QString variant : {"ENG_", "US_"}) {
        const QStringList table =
            content::TextFromAnsi(ResourceTable::read("DATA", variant + kWordsTable)).split("\r\n");
        // Blocks of key, count and a line a word.
        for (qsizetype at = 0, count = 0; at + 1 < table.size(); at += 2 + count) {
            count = table[at + 1].toInt();
            for (const QString& word : table.mid(at + 2, count))
                names.insert(WordResourceName(word));
        }
    }
    return names;
}

// What is wrong with the credits table resources/credits/<area>.tsv for the files under
// `folders` (from the repository root, notes in .md aside); empty when each row names
// an existing file once, with a described source, a licence and a note, and the rows
// name exactly those files.
inline QString creditsFault(const QString& area, const QStringList& folders)
{
    QFile file(sourcePath("resources/credits/" + area + ".tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return file.fileName() + " cannot be read";
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    if (lines.value(0) != "file\tsource\tlicence\tnotes")
        return "header " + lines.value(0);
    QSet<QString> credited;
    for (const QString& line : lines.mid(1)) {
        const QStringList cells = line.split('\t');
        if (cells.size() != 4 || cells.contains(QString()) || credited.contains(cells[0]) ||
            !QFile::exists(sourcePath(cells[0])) ||
            !QFile::exists(sourcePath("resources/credits/sources/" + cells[1] + ".txt")))
            return "wrong row: " + line;
        credited.insert(cells[0]);
    }
    for (const QString& folder : folders)
        for (QDirIterator it(sourcePath(folder), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            if (!it.next().endsWith(".md") &&
                !credited.remove(it.filePath().mid(sourcePath("").size())))
                return "no row for " + it.filePath();
    return credited.isEmpty() ? QString() : "a row for " + *credited.begin() + ", not shipped";
}

} // namespace lxp
