# SPDX-License-Identifier: GPL-3.0-or-later
"""The program icon: LEXIPOND.ico (16, 32 and 48 px, each in 256 colours and in 32-bit
colour), PNG copies for the desktop sizes of Linux, and the same drawing as a scalable
SVG for the desktop's icon theme (packaging/icons/, installed under the desktop id)."""
import os
import struct
import subprocess
from .common import REPO, RES, WORK, CONVERT, svg_doc, render_svg, rgba_pixels
from .drawings import logo

ICO_SIZES = (16, 32, 48)
PNG_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
DESKTOP_ID = "example.corvane_software.Lexipond"


def logo_png(size, path):
    defs, body = logo(size, detail=size >= 32, uid=f"lg{size}")
    return render_svg(svg_doc(size, size, body, defs), path, size, size, f"logo{size}")


def logo_svg(path):
    """The detailed drawing (as at 32 px and up) on its 256 x 256 grid, as an SVG file."""
    defs, body = logo(256, detail=True, uid="lg")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(svg_doc(256, 256, body, defs) + "\n")
    return path


def _mask_rows(alpha, size):
    """AND mask (1 = transparent), rows bottom up, each padded to 4 bytes."""
    stride = ((size + 31) // 32) * 4
    rows = []
    for y in range(size):
        row = bytearray(stride)
        for x in range(size):
            if alpha[y * size + x] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return b"".join(reversed(rows))


def dib_32(png, size):
    px = rgba_pixels(png)
    alpha = px[3::4]
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            r, g, b, a = px[(y * size + x) * 4:(y * size + x) * 4 + 4]
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(reversed(rows)) + _mask_rows(alpha, size)


def dib_8(png, size):
    """256-colour image: colours quantised by ImageMagick (no dithering), transparency
    from the AND mask."""
    alpha = rgba_pixels(png)[3::4]
    # flatten the soft edge onto white before quantising, so edge pixels stay light
    rgb = subprocess.run([CONVERT, png, "-background", "white", "-alpha", "remove",
                          "+dither", "-colors", "255", "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    palette, index = [], {}
    idx = bytearray()
    for i in range(size * size):
        if alpha[i] < 128:
            idx.append(0)
            continue
        c = rgb[i * 3:i * 3 + 3]
        if c not in index:
            index[c] = len(palette) + 1
            palette.append(c)
        idx.append(index[c])
    assert len(palette) <= 255, "quantising left too many colours"
    pal = b"\x00\x00\x00\x00" + b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette)
    pal += b"\x00\x00\x00\x00" * (256 - len(palette) - 1)
    stride = (size + 3) // 4 * 4
    rows = [bytes(idx[y * size:(y + 1) * size]) + b"\x00" * (stride - size)
            for y in range(size)]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    return header + pal + b"".join(reversed(rows)) + _mask_rows(alpha, size)


def ico_bytes(images):
    """images: list of (size, bit count, colour count, dib bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, bits, colours, dib in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, 1, bits,
                               len(dib), offset)
        offset += len(dib)
        blobs += dib
    return out + entries + blobs


def build(outputs):
    icon_dir = os.path.join(RES, "ICON")
    os.makedirs(icon_dir, exist_ok=True)
    pngs = {}
    for size in PNG_SIZES:
        path = os.path.join(icon_dir, f"LEXIPOND_{size}.png")
        logo_png(size, path)
        pngs[size] = path
        outputs.append((path, "lexipond-art", f"program icon {size} px"))
    images = []
    for size in ICO_SIZES:
        images.append((size, 8, 0, dib_8(pngs[size], size)))
    for size in ICO_SIZES:
        images.append((size, 32, 0, dib_32(pngs[size], size)))
    ico = os.path.join(icon_dir, "LEXIPOND.ico")
    with open(ico, "wb") as f:
        f.write(ico_bytes(images))
    outputs.append((ico, "lexipond-art", "program icon, 16/32/48 px in 256 colours and 32-bit"))
    svg = logo_svg(os.path.join(REPO, "packaging", "icons", DESKTOP_ID + ".svg"))
    outputs.append((svg, "lexipond-art", "program icon, scalable, for the desktop's icon theme"))
