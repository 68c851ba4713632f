#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws every window background, button face, cursor, icon and screen picture.

Usage: gen.py [part ...]   with parts among the names in PARTS (all when none given)."""
import sys
from art import backgrounds, buttons, credits, cursor, icon, screens

PARTS = {
    "backgrounds": backgrounds,
    "buttons": buttons,
    "cursor": cursor,
    "icon": icon,
    "screens": screens,
}


def main(names):
    unknown = [n for n in names if n not in PARTS]
    if unknown:
        sys.exit(f"unknown part(s): {' '.join(unknown)}; known: {' '.join(PARTS)}")
    outputs = []
    for name, mod in PARTS.items():
        if not names or name in names:
            mod.build(outputs)
    credits.write(outputs)
    print(f"screen-art: {len(outputs)} files written")


if __name__ == "__main__":
    main(sys.argv[1:])
