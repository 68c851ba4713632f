# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared helpers of the screen-art pipeline: the palette, SVG snippets,
rendering through rsvg-convert and conversion through ImageMagick."""
import os
import struct
import subprocess
import zlib

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO = os.path.abspath(os.path.join(HERE, "..", ".."))
WORK = os.path.join(HERE, "work")
RES = os.path.join(REPO, "resources")
CONVERT = "/usr/bin/convert"  # the real ImageMagick, whatever stands first on PATH

# One palette for the whole program: bright, calm, soft.
CREAM = "#FFF6E2"       # quiet light areas; also the corner colour of the opaque button faces
INK = "#2B3A55"         # dark ink for drawn lines and letters
CAPTION_RED = "#C00000"  # the picture button caption colour
SKY_TOP = "#BFE6FF"
SKY_LOW = "#E6F6FF"
POND = "#4487C6"        # mid blue: black labels read at about 5.5:1, yellow ones at 3.5:1
POND_DEEP = "#3F80BF"
GRASS = "#9BD67F"
GRASS_DEEP = "#6FBF5A"
SUN = "#FFD54F"
CORAL = "#FF8A7A"
LAVENDER = "#B9A7F5"
MINT = "#8EDDC4"

FONT = "Comic Neue"
FONT_KR = "Noto Sans CJK KR"

# Hues used to give each letter, category and lesson its own friendly colour.
HUES = [
    # (light tile, mid border, deep ink)
    ("#FFE1DC", "#FF8A7A", "#C8412F"),   # coral
    ("#FFEFC7", "#FFC247", "#B87400"),   # sun
    ("#DDF5D2", "#7DCB5C", "#3B8A22"),   # grass
    ("#D5EEFF", "#5DB3EE", "#1F6DB0"),   # sky
    ("#E8E0FF", "#A48BF0", "#5B3FC0"),   # lavender
    ("#FFDDF0", "#F58CC4", "#B02F78"),   # pink
    ("#D3F5EE", "#4FC9B0", "#1A8A73"),   # mint
]


def ensure_dir(path):
    os.makedirs(path, exist_ok=True)


def run(cmd):
    subprocess.run(cmd, check=True)


def svg_doc(w, h, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" '
            f'xmlns:xlink="http://www.w3.org/1999/xlink" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}"><defs>{defs}</defs>{body}</svg>')


def render_svg(svg_text, out_png, w, h, name):
    """Write the SVG into the work folder and render it to a PNG of exactly w x h."""
    svg_dir = os.path.join(WORK, "svg")
    ensure_dir(svg_dir)
    svg_path = os.path.join(svg_dir, name + ".svg")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text)
    ensure_dir(os.path.dirname(out_png))
    tmp = out_png + ".tmp.png"
    run(["rsvg-convert", "-w", str(w), "-h", str(h), "-o", tmp, svg_path])
    # Re-encode without time stamps so that a rerun gives the same bytes.
    run([CONVERT, tmp, "-strip", "-define", "png:exclude-chunks=date,time",
         "PNG32:" + out_png])
    os.remove(tmp)
    return out_png


def to_jpeg(png, out_jpg, quality=90):
    ensure_dir(os.path.dirname(out_jpg))
    run([CONVERT, png, "-strip", "-background", CREAM, "-alpha", "remove",
         "-sampling-factor", "4:2:0", "-quality", str(quality),
         "-interlace", "none", out_jpg])


def to_bmp24(png, out_bmp):
    ensure_dir(os.path.dirname(out_bmp))
    run([CONVERT, png, "-strip", "-background", CREAM, "-alpha", "remove",
         "-alpha", "off", "-type", "TrueColor", "BMP3:" + out_bmp])


def to_png(src, out_png, extra=()):
    ensure_dir(os.path.dirname(out_png))
    run([CONVERT, src, *extra, "-strip", "-define", "png:exclude-chunks=date,time",
         "PNG32:" + out_png])


def rgba_pixels(png):
    """The pixels of a picture as bytes, 4 per pixel (R, G, B, A), rows top down."""
    out = subprocess.run([CONVERT, png, "-depth", "8", "rgba:-"], check=True,
                         capture_output=True).stdout
    return out


def write_png_rgba(path, w, h, rgba):
    """A minimal PNG writer (colour type 6) for pictures made pixel by pixel."""
    raw = b"".join(b"\x00" + rgba[y * w * 4:(y + 1) * w * 4] for y in range(h))

    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    ensure_dir(os.path.dirname(path))
    with open(path, "wb") as f:
        f.write(png)


def shade(hex_colour, factor):
    """Lighten (factor > 0, towards white) or darken (factor < 0, towards black)."""
    h = hex_colour.lstrip("#")
    r, g, b = (int(h[i:i + 2], 16) for i in (0, 2, 4))
    if factor >= 0:
        r, g, b = (round(c + (255 - c) * factor) for c in (r, g, b))
    else:
        r, g, b = (round(c * (1 + factor)) for c in (r, g, b))
    return f"#{r:02X}{g:02X}{b:02X}"


def grey(hex_colour, lighten=0.35):
    """The disabled look of a colour: its luminance, lifted towards white."""
    h = hex_colour.lstrip("#")
    r, g, b = (int(h[i:i + 2], 16) for i in (0, 2, 4))
    y = round(0.3 * r + 0.59 * g + 0.11 * b)
    y = round(y + (255 - y) * lighten)
    return f"#{y:02X}{y:02X}{y:02X}"


def text(x, y, s, size, fill, weight=700, anchor="middle", family=FONT, extra=""):
    s = s.replace("&", "&amp;").replace("<", "&lt;")
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>{s}</text>')


FACE_WORDS = {"NORMAL": "normal", "HL": "highlighted", "PRESSED": "pressed", "DISABLED": "disabled"}
