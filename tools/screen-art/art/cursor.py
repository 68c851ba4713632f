# SPDX-License-Identifier: GPL-3.0-or-later
"""Cursor 101: a 32 x 32 black-and-white pointing hand, hot spot at the fingertip (6, 0).

Written as a Windows cursor file (resources/CURSOR/101.cur); the program reads it with
its hot spot on every platform."""
import os
import struct
from .common import RES

SIZE = 32
HOT_X, HOT_Y = 6, 0

# B black outline, W white fill, . transparent
HAND = [
    ".....BBBB",
    "....BWWWWB",
    "....BWWWWB",
    "....BWWWWB",
    "....BWWWWB",
    "....BWWWWB",
    "....BWWWWBBB",
    "....BWWWWBWWBBB",
    "....BWWWWBWWBWWBBB",
    ".BB.BWWWWBWWBWWBWWB",
    "BWWBBWWWWBWWBWWBWWB",
    "BWWWBWWWWWWWWWWWWWB",
    "BWWWWWWWWWWWWWWWWWB",
    ".BWWWWWWWWWWWWWWWWB",
    ".BWWWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWWB",
    "....BWWWWWWWWWWWB",
    "....BWWWWWWWWWWWB",
    "....BBBBBBBBBBBBB",
    "....BWWWWWWWWWWWB",
    "....BWWWWWWWWWWWB",
    "....BBBBBBBBBBBBB",
]


def grid():
    rows = [r.ljust(SIZE, ".") for r in HAND] + ["." * SIZE] * (SIZE - len(HAND))
    assert all(len(r) == SIZE for r in rows) and len(rows) == SIZE
    assert rows[HOT_Y][HOT_X] == "B", "the hot spot must lie on the fingertip"
    return rows


def cur_bytes(rows):
    """A Windows .cur file: ICONDIR (type 2), one entry holding the hot spot, then a
    1-bit DIB (height doubled for the colour and the mask bitmaps)."""
    def packed_row(bits):
        out = bytearray(SIZE // 8)
        for x, bit in enumerate(bits):
            if bit:
                out[x // 8] |= 0x80 >> (x % 8)
        return bytes(out)  # 32 px = 4 bytes, already a multiple of 4

    xor_rows, and_rows = [], []
    for r in rows:
        xor_rows.append(packed_row([c == "W" for c in r]))   # palette 1 = white
        and_rows.append(packed_row([c == "." for c in r]))   # 1 = transparent
    # DIB rows are stored bottom up
    xor = b"".join(reversed(xor_rows))
    andm = b"".join(reversed(and_rows))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(andm),
                         0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    dib = header + palette + xor + andm
    icondir = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_X, HOT_Y, len(dib), 6 + 16)
    return icondir + entry + dib


def build(outputs):
    rows = grid()
    out_dir = os.path.join(RES, "CURSOR")
    os.makedirs(out_dir, exist_ok=True)
    cur = os.path.join(out_dir, "101.cur")
    with open(cur, "wb") as f:
        f.write(cur_bytes(rows))
    outputs.append((cur, "lexipond-art", "pointing-hand cursor, hot spot (6, 0)"))
