#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the six lesson content tables into resources/DATA/ from the two sources
beside this script:

  categories.tsv  the ten word categories, British words and the American ones
                  where a block differs
  letters.tsv     the letter entries with their three sentences; shared entries are
                  written in British spelling, and the American table gets them with
                  the colour/flavour spellings changed

Every table is ASCII with CR LF after every line. The script refuses to write
anything when a source breaks one of the rules of the table text form. With --check
it writes nothing and fails when a shipped table differs from what it would write.
"""

import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent.parent / "resources" / "DATA"

MAX_LINE = 63
MAX_TABLE_BYTES = 17000

# The only spelling changes between a shared British entry and its American twin,
# applied in this order.
AMERICAN_SPELLINGS = [
    ("colours", "colors"),
    ("coloured", "colored"),
    ("colour", "color"),
    ("Colour", "Color"),
    ("flavour", "flavor"),
]


class SourceError(Exception):
    pass


def data_lines(path):
    for number, line in enumerate(path.read_text(encoding="ascii").splitlines(), 1):
        if line and not line.startswith("#"):
            yield number, line


def read_categories():
    blocks = []
    for number, line in data_lines(HERE / "categories.tsv"):
        fields = line.split("\t")
        if len(fields) != 3:
            raise SourceError(f"categories.tsv:{number}: expected 3 fields")
        key, british, american = fields
        british_words = [w.strip() for w in british.split(",")]
        american_words = [w.strip() for w in american.split(",")] if american else british_words
        if len(british_words) != len(american_words):
            raise SourceError(f"categories.tsv:{number}: {key} counts differ")
        blocks.append((key, british_words, american_words))
    return blocks


def read_letters():
    entries = []
    for number, line in data_lines(HERE / "letters.tsv"):
        fields = line.split("\t")
        if len(fields) != 5 or fields[0] not in ("both", "ENG", "US"):
            raise SourceError(f"letters.tsv:{number}: expected version, name and 3 sentences")
        entries.append((fields[0], fields[1], fields[2:]))
    return entries


def check_sentences(entries):
    for _, name, sentences in entries:
        for sentence in sentences:
            if not sentence[:1].isupper() or not sentence.endswith(".") or "  " in sentence:
                raise SourceError(f"letters.tsv: {name}: not a plain sentence: {sentence!r}")


def americanised(text):
    for british, american in AMERICAN_SPELLINGS:
        text = text.replace(british, american)
    return text


def sort_key(name):
    return name.replace(" ", "").lower()


def letter_table(entries, version):
    """Lines of the letter information table of one version ('ENG' or 'US')."""
    chosen = []
    for kind, name, sentences in entries:
        if kind == "both":
            if version == "US":
                sentences = [americanised(s) for s in sentences]
            chosen.append((name, sentences))
        elif kind == version:
            chosen.append((name, sentences))

    lines = []
    for letter in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
        block = [(n, s) for n, s in chosen if n[0] == letter]
        names = [n for n, _ in block]
        if names != sorted(names, key=sort_key):
            raise SourceError(f"letters.tsv: entries of {letter} ({version}) are not in order")
        lines += [letter, str(len(block))]
        for name, sentences in block:
            lines += [name, *sentences]
    return lines, [n for n, _ in chosen]


def category_table(blocks, american):
    lines = []
    for key, british_words, american_words in blocks:
        words = american_words if american else british_words
        lines += [key, str(len(words)), *words]
    return lines


def picture_words(entry_names, version):
    """The pictures-and-words list: the entry names of the letter table, with the
    compound 'Ice cream' capitalised like the other two-word names, and in the
    British list 'Zucchini' standing last in place of 'Courgette'."""
    words = ["Ice Cream" if n == "Ice cream" else n for n in entry_names]
    if version == "ENG":
        words = [w for w in words if w != "Courgette"] + ["Zucchini"]
    return words


def check_lines(name, lines):
    for line in lines:
        problem = None
        if not line:
            problem = "empty line"
        elif line != line.strip(" \t"):
            problem = "leading or trailing blank"
        elif "|" in line or "\t" in line:
            problem = "'|' or tab inside a line"
        elif len(line) > MAX_LINE:
            problem = f"longer than {MAX_LINE} characters"
        elif not line.isascii() or not line.isprintable():
            problem = "not printable ASCII"
        if problem:
            raise SourceError(f"{name}: {problem}: {line!r}")
    data = "".join(line + "\r\n" for line in lines).encode("ascii")
    if len(data) >= MAX_TABLE_BYTES:
        raise SourceError(f"{name}: {len(data)} bytes, the limit is {MAX_TABLE_BYTES}")
    return data


def build():
    blocks = read_categories()
    entries = read_letters()
    check_sentences(entries)
    eng_inf, eng_names = letter_table(entries, "ENG")
    us_inf, us_names = letter_table(entries, "US")
    tables = {
        "ENG_WRDS": category_table(blocks, american=False),
        "US_WRDS": category_table(blocks, american=True),
        "ENG_INF": eng_inf,
        "US_INF": us_inf,
        "ENG_PICANDWORDS": picture_words(eng_names, "ENG"),
        "US_PICANDWORDS": picture_words(us_names, "US"),
    }
    return {name: check_lines(name, lines) for name, lines in tables.items()}


def main():
    try:
        tables = build()
    except SourceError as error:
        print(f"make-tables: {error}", file=sys.stderr)
        return 1
    if "--check" in sys.argv[1:]:
        stale = [n for n, data in tables.items() if not (OUT / f"{n}.txt").is_file()
                 or (OUT / f"{n}.txt").read_bytes() != data]
        for name in stale:
            print(f"make-tables: resources/DATA/{name}.txt differs from its source", file=sys.stderr)
        return 1 if stale else 0
    OUT.mkdir(parents=True, exist_ok=True)
    for name, data in tables.items():
        (OUT / f"{name}.txt").write_bytes(data)
        lines = data.count(b"\r\n")
        print(f"{name}.txt: {len(data)} bytes, {lines} lines")
    return 0


if __name__ == "__main__":
    sys.exit(main())
