#!/usr/bin/env python3
"""Writes the Debian machine-readable copyright file (DEP-5) of Lexipond from the
credits in resources/credits/: the program's own licence for everything, then one
paragraph for each source of shipped pictures, sounds and animations, naming each of
its files (a folder pattern where every file of that kind in the folder is from that
source), with the source's copyright, licence and notice.

usage: make-copyright.py REPOSITORY OUTPUT

Fails when a credited file has no source record, a record lacks its licence or
copyright line, or a row's licence disagrees with its record."""
import fnmatch
import glob
import os
import sys

PROGRAM_COPYRIGHT = "2026 Corvane Software Dev."
CONTACT = "Corvane Software Dev. <lexipond@corvane-software.example>"
HOMEPAGE = "https://www.corvane-software.example/lexipond"
# A row of one of our own works names no licence of its own: it has its record's.
OWN_WORK = "own-work"

GPL_TEXT = """\
This program is free software: you can redistribute it and/or modify
it under the terms of the GNU General Public License as published by
the Free Software Foundation, either version 3 of the License, or
(at your option) any later version.

This program is distributed in the hope that it will be useful,
but WITHOUT ANY WARRANTY; without even the implied warranty of
MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the
GNU General Public License for more details.

On Debian systems, the complete text of the GNU General Public License
version 3 can be found in "/usr/share/common-licenses/GPL-3"."""


def fail(message):
    sys.exit(f"make-copyright: {message}")


def field_text(text):
    """Continuation lines of a field: one space in front, "." for an empty line."""
    return "\n".join(" " + line if line.strip() else " ." for line in text.rstrip().split("\n"))


def read_record(path):
    """(name, {header: value}, notice) of resources/credits/sources/<id>.txt."""
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    name, fields, i = lines[0].strip(), {}, 1
    while i < len(lines) and ":" in lines[i] and lines[i].split(":", 1)[0] in (
            "licence", "version", "origin", "copyright"):
        key, value = lines[i].split(":", 1)
        fields[key] = value.strip()
        i += 1
    return name, fields, "\n".join(lines[i:]).strip()


def short_name(licence):
    """The DEP-5 short name of a licence as the records write it: "CMU-Flite (BSD-style)"
    is "CMU-Flite"."""
    return licence.split(" (", 1)[0].strip()


def read_rows(repo):
    rows = []
    for table in sorted(glob.glob(os.path.join(repo, "resources", "credits", "*.tsv"))):
        with open(table, encoding="utf-8") as f:
            lines = f.read().split("\n")
        if lines[0] != "file\tsource\tlicence\tnotes":
            fail(f"{table}: unexpected header")
        for line in lines[1:]:
            if line.strip():
                path, source, licence, _notes = line.split("\t")
                rows.append((path, source, licence))
    return rows


def dep5_pattern(path):
    """A file name as a DEP-5 pattern: spaces (which separate patterns) become "?"."""
    return path.replace("\\", "\\\\").replace("*", "\\*").replace("?", "\\?").replace(" ", "?")


def patterns_of(files, source, source_of):
    """The shortest honest list of patterns for `files` (all from `source`): folder/*.ext
    where every credited file of that folder and extension is from the source."""
    groups = {}
    for path in files:
        folder, ext = os.path.dirname(path), os.path.splitext(path)[1]
        groups.setdefault((folder, ext), []).append(path)
    patterns = []
    for (folder, ext), paths in sorted(groups.items()):
        kin = [p for p in source_of if os.path.dirname(p) == folder and p.endswith(ext)]
        if len(paths) > 1 and ext and all(source_of[p] == source for p in kin):
            patterns.append(f"{folder}/*{ext}")
        else:
            patterns.extend(dep5_pattern(p) for p in sorted(paths))
    return patterns


def matches(pattern, path):
    # DEP-5: "*" matches any characters including "/", "?" one character.
    return fnmatch.fnmatchcase(path, pattern.replace("\\?", "?").replace("\\*", "*"))


def main(repo, output):
    rows = read_rows(repo)
    source_of = {}
    for path, source, _ in rows:
        if path in source_of:
            fail(f"{path} is credited twice")
        source_of[path] = source

    records, files_of = {}, {}
    for path, source, licence in rows:
        record = os.path.join(repo, "resources", "credits", "sources", source + ".txt")
        if source not in records:
            if not os.path.exists(record):
                fail(f"{path}: no record {record}")
            records[source] = read_record(record)
            for key in ("licence", "copyright"):
                if not records[source][1].get(key):
                    fail(f"{record}: no '{key}:' line")
        record_licence = records[source][1]["licence"]
        if licence not in (record_licence, OWN_WORK):
            fail(f"{path}: licence {licence!r}, its record says {record_licence!r}")
        files_of.setdefault(source, []).append(path)

    own_licences = {records[s][1]["licence"] for s in records if s.startswith("lexipond")}
    own_texts = {}
    for licence in own_licences:
        text_path = os.path.join(repo, "LICENSES", licence + ".txt")
        if not os.path.exists(text_path):
            fail(f"no text of {licence} in {text_path}")
        with open(text_path, encoding="utf-8") as f:
            own_texts[licence] = f.read()

    out = [
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        "Upstream-Name: Lexipond\n"
        f"Upstream-Contact: {CONTACT}\n"
        f"Source: {HOMEPAGE}\n"
        "Comment:\n" + field_text(
            "File names are those of Lexipond's source tree. The files under resources/ are\n"
            "compiled into /usr/lib/lexipond/lexipond; Animations/ is installed as\n"
            "/usr/share/lexipond/Animations; resources/ICON/LEXIPOND_<size>.png and\n"
            "packaging/icons/ are the icons under /usr/share/icons/hicolor.\n"
            "No font is shipped: the program uses the fonts of the packages\n"
            "fonts-comic-neue and fonts-noto-cjk, on which this package depends.\n"
            "Generated from resources/credits/ by tools/packaging/make-copyright.py."),
        f"Files: *\nCopyright: {PROGRAM_COPYRIGHT}\nLicense: GPL-3.0-or-later",
    ]
    paragraphs = [("*", "lexipond-program")]
    # Our own works first, then the others; each source's files in one paragraph.
    for source in sorted(files_of, key=lambda s: (not s.startswith("lexipond"), s)):
        name, fields, notice = records[source]
        patterns = patterns_of(files_of[source], source, source_of)
        paragraphs.extend((p, source) for p in patterns)
        licence = short_name(fields["licence"])
        comment = f"{name}\nOrigin: {fields.get('origin', '')}\nVersion: {fields.get('version', '')}"
        if source.startswith("lexipond"):
            out.append("Files:\n" + field_text("\n".join(patterns)) +
                       f"\nCopyright: {fields['copyright']}\nLicense: {licence}\n"
                       "Comment:\n" + field_text(comment))
        else:
            if not notice:
                fail(f"record {source} carries no licence notice")
            out.append("Files:\n" + field_text("\n".join(patterns)) +
                       f"\nCopyright: {fields['copyright']}\nLicense: {licence}\n" +
                       field_text(notice) + "\nComment:\n" + field_text(comment))

    out.append("License: GPL-3.0-or-later\n" + field_text(GPL_TEXT))
    for licence in sorted(own_texts):
        out.append(f"License: {licence}\n" + field_text(own_texts[licence]))

    # Every credited file must fall to its own source (in DEP-5 the last match wins).
    for path, source in source_of.items():
        last = [s for p, s in paragraphs if matches(p, path)][-1]
        if last != source:
            fail(f"{path} would be read as {last}, not {source}")

    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n\n".join(out) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
