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

#include <utility>

namespace lxp {

inline QString sourcePath(const QString& relative)
{
    return QStringLiteral(LEXIPOND_SOURCE_DIR "/") + relative;
}

// Resource names of every word of the six content tables (both spelling variants):
// the names under which each word's picture and recording are found.
inline QSet<QString> shippedWordNames()
{
    QSet<QString> names;
    for (const QString variant : {"ENG_", "US_"}) {
        const auto lines = [&](const char* kind) {
            return content::TextFromAnsi(ResourceTable::read("DATA", variant + kind)).split("\r\n");
        };
        QStringList words = lines(kPictureWordsTable);
        // Category blocks: key, count, a line a word; letter blocks: letter, count,
        // four lines an entry (its name first).
        for (const auto& [kind, step] : {std::pair{kWordsTable, 1}, std::pair{kLetterTable, 4}}) {
            const QStringList table = lines(kind);
            for (qsizetype at = 0; at + 1 < table.size();) {
                const int count = std::max(0, qRound(table[at + 1].toDouble()));
                for (int k = 0; k < count && at + 2 + step * k < table.size(); ++k)
                    words << table[at + 2 + step * k];
                at += 2 + step * count;
            }
        }
        for (const QString& word : words)
            if (!word.isEmpty())
                names.insert(WordResourceName(word));
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
