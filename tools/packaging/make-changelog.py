#!/usr/bin/env python3
"""Writes the Debian changelog of the package (/usr/share/doc/lexipond/changelog.gz
before compression) from CHANGELOG.md: one entry for each "## <version> (<date>)"
section, its list items as the entry's lines.

usage: make-changelog.py CHANGELOG.md OUTPUT "Maintainer Name <address>"

Fails when the file has no release section or an item does not belong to one."""
import datetime
import re
import sys
import textwrap

HEADING = re.compile(r"^## (\S+) \((\d{4}-\d{2}-\d{2})\)$")


def releases(text):
    """[(version, date, [item, ...]), ...] in the order of the file (newest first)."""
    found, item = [], None
    for line in text.split("\n"):
        heading = HEADING.match(line)
        if heading:
            found.append((heading.group(1), heading.group(2), []))
            item = None
        elif line.startswith("- "):
            if not found:
                sys.exit(f"make-changelog: an item before the first release: {line}")
            item = [line[2:].strip()]
            found[-1][2].append(item)
        elif line.startswith("  ") and item is not None and line.strip():
            item.append(line.strip())
        elif line.strip() and not line.startswith("#"):
            sys.exit(f"make-changelog: a line outside a list item: {line}")
    return [(v, d, [" ".join(i).replace("`", "") for i in items]) for v, d, items in found]


def main(source, output, maintainer):
    with open(source, encoding="utf-8") as f:
        entries = releases(f.read())
    if not entries:
        sys.exit("make-changelog: no release in " + source)
    out = []
    for version, date, items in entries:
        day = datetime.datetime.strptime(date, "%Y-%m-%d").replace(tzinfo=datetime.timezone.utc)
        lines = [f"lexipond ({version}) unstable; urgency=medium", ""]
        for item in items:
            lines += textwrap.wrap(item, 78, initial_indent="  * ", subsequent_indent="    ")
        lines += ["", f" -- {maintainer}  {day.strftime('%a, %d %b %Y %H:%M:%S +0000')}"]
        out.append("\n".join(lines))
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n\n".join(out) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
