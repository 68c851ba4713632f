# SPDX-License-Identifier: GPL-3.0-or-later
"""The four window backgrounds of the resource type "DIALOG" (baseline JPEG).

Each keeps its quiet areas plain, so that the screens can place their elements there;
the rectangles are listed in QUIET and documented in resources/screens/README.md."""
import os
from .common import (RES, WORK, CREAM, POND, POND_DEEP, svg_doc, render_svg, to_jpeg, FONT)
from .drawings import duck, cloud, lily_pad, reeds, tuft, sparkle, star

# Quiet areas (x, y, w, h) per background and what goes there.
QUIET = {
    "MAIN": [
        ((0, 0, 670, 92), "sky with the painted program name: place nothing here"),
        ((20, 104, 630, 336), "the pond (mid blue): the five lesson buttons and their labels; "
                              "black and yellow label text both read here"),
        ((70, 466, 530, 82), "the sandy bank (cream): the three wide buttons"),
    ],
    "WINDOW": [
        ((0, 0, 670, 58), "title ribbon (mid blue): titles, and yellow or black texts"),
        ((10, 66, 650, 478), "the page (cream): everything else"),
    ],
    "LANGUAGE": [
        ((28, 16, 565, 34), "header strip of the upper panel (mid blue): lblENGLISHTYPE"),
        ((28, 56, 565, 170), "upper panel (cream): btnpAMERICAN, btnpENGLISH, their labels"),
        ((28, 246, 565, 34), "header strip of the lower panel (mid blue): lblHELPTYPE"),
        ((28, 286, 565, 170), "lower panel (cream): btnpENGHELP, btnpKOREAN, their labels"),
        ((100, 474, 421, 58), "button strip (cream): btnpOK, btnpCANCEL"),
    ],
    "MSGBOX": [
        ((40, 0, 447, 56), "headline band (mid green): white, blue or black headline"),
        ((12, 64, 503, 178), "the card (cream): picture, sentence, buttons"),
    ],
}

SIZES = {"MAIN": (670, 560), "WINDOW": (670, 560), "LANGUAGE": (621, 539),
         "MSGBOX": (527, 250)}

HEADLINE_GREEN = "#4F9E5C"


def _main():
    w, h = SIZES["MAIN"]
    defs = ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#A9DCFF"/><stop offset="1" stop-color="#E3F5FF"/>'
            '</linearGradient>'
            '<linearGradient id="pond" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="#4A8DCC"/><stop offset="0.5" stop-color="{POND}"/>'
            f'<stop offset="1" stop-color="{POND_DEEP}"/></linearGradient>')
    b = [f'<rect width="{w}" height="{h}" fill="url(#sky)"/>']
    b.append('<circle cx="612" cy="40" r="26" fill="#FFE066"/>'
             '<circle cx="612" cy="40" r="34" fill="#FFE066" opacity="0.3"/>')
    b.append(cloud(70, 50, 1.0) + cloud(178, 30, 0.6, 0.85) + cloud(520, 58, 0.7, 0.9))
    # the program name
    b.append(f'<text x="335" y="66" font-family="{FONT}" font-weight="700" font-size="52" '
             'text-anchor="middle" fill="#1F5F9E" stroke="#FFFFFF" stroke-width="7" '
             'paint-order="stroke" stroke-linejoin="round" letter-spacing="1">Lexipond</text>')
    # grass edge, then the pond
    b.append('<path d="M0,86 Q160,76 335,84 T670,82 V470 H0 z" fill="#9BD67F"/>')
    b.append('<path d="M70,102 Q200,94 335,99 T600,101 Q654,104 658,150 Q664,270 657,396 '
             'Q652,446 600,446 Q335,456 72,448 Q14,446 12,396 Q6,270 13,150 Q16,104 70,102 z" '
             'fill="url(#pond)" stroke="#5FAE4A" stroke-width="4"/>')
    b.append('<path d="M72,109 Q200,101 335,106 T598,108 Q646,111 650,152" fill="none" '
             'stroke="#8CC6F0" stroke-opacity="0.55" stroke-width="5" stroke-linecap="round"/>')
    for x, y, c in ((16, 96, "#FFFFFF"), (34, 90, "#FFC2D6"), (654, 96, "#FFFFFF"),
                    (636, 90, "#FFE066")):
        b.append(f'<circle cx="{x}" cy="{y}" r="4" fill="{c}"/><circle cx="{x}" cy="{y}" '
                 'r="1.6" fill="#FFB300"/>')
    # gentle ripples away from the button rows and label bands
    for cx, cy, rx in ((60, 262, 26), (610, 262, 24), (230, 428, 22),
                       (440, 430, 18)):
        b.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{rx * 0.28}" fill="none" '
                 'stroke="#FFFFFF" stroke-opacity="0.16" stroke-width="2"/>')
    b.append(lily_pad(52, 420, 26, -10, flower=True) + lily_pad(98, 434, 14, 20))
    b.append(duck(606, 428, 0.85, flip=True))
    # sandy bank with grass tufts and reeds at the corners
    b.append(f'<path d="M0,458 Q335,446 670,458 V560 H0 z" fill="{CREAM}"/>')
    b.append('<path d="M0,458 Q335,446 670,458" fill="none" stroke="#F0DDB0" '
             'stroke-width="4"/>')
    b.append(reeds(26, 560, 0.9) + reeds(644, 560, 0.9, flip=True))
    b.append(tuft(64, 556, 0.9) + tuft(608, 556, 0.9))
    return svg_doc(w, h, "".join(b), defs)


def _window():
    w, h = SIZES["WINDOW"]
    defs = ('<linearGradient id="rib" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{POND}"/><stop offset="1" stop-color="{POND_DEEP}"/>'
            '</linearGradient>')
    b = [f'<rect width="{w}" height="{h}" fill="{CREAM}"/>']
    # a soft frame around the page
    b.append('<rect x="5" y="5" width="660" height="550" rx="18" fill="none" '
             'stroke="#CFEAFB" stroke-width="4"/>')
    # title ribbon with a wavy lower edge
    b.append('<path d="M0,0 H670 V58 Q600,66 520,59 T335,60 T150,59 T0,60 z" '
             'fill="url(#rib)"/>')
    b.append('<path d="M670,58 Q600,66 520,59 T335,60 T150,59 T0,60" fill="none" '
             'stroke="#8FCBF2" stroke-width="3"/>')
    for x, y, r in ((18, 20, 7), (34, 40, 4), (652, 22, 6), (636, 42, 4)):
        b.append(sparkle(x, y, r, "#FFFFFF", 0.8))
    # a little grass at the foot of the page
    b.append('<path d="M0,560 V550 Q40,541 80,549 T160,548 T240,550 T320,547 T400,549 '
             'T480,548 T560,550 T670,548 V560 z" fill="#9BD67F"/>')
    for x in (24, 120, 250, 420, 540, 646):
        b.append(tuft(x, 560, 0.45, "#7DCB5C"))
    return svg_doc(w, h, "".join(b), defs)


def _panel(x, y, w, h, head_h, uid):
    return (f'<rect x="{x}" y="{y + 3}" width="{w}" height="{h}" rx="18" fill="#9CC9EA"/>'
            f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="18" fill="{CREAM}" '
            'stroke="#7FB8E4" stroke-width="2.5"/>'
            f'<path d="M{x + 1.25},{y + head_h} V{y + 18} Q{x + 1.25},{y + 1.25} {x + 18},'
            f'{y + 1.25} H{x + w - 18} Q{x + w - 1.25},{y + 1.25} {x + w - 1.25},{y + 18} '
            f'V{y + head_h} z" fill="{POND}"/>')


def _language():
    w, h = SIZES["LANGUAGE"]
    defs = ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#BFE6FF"/><stop offset="1" stop-color="#EAF7FF"/>'
            '</linearGradient>')
    b = [f'<rect width="{w}" height="{h}" fill="url(#sky)"/>']
    b.append(_panel(20, 10, 581, 222, 42, "a"))
    b.append(_panel(20, 240, 581, 222, 42, "b"))
    b.append(f'<rect x="84" y="470" width="453" height="64" rx="20" fill="{CREAM}" '
             'stroke="#CFE6F6" stroke-width="2"/>')
    for x, y, r in ((40, 30, 6), (581, 30, 6), (40, 260, 6), (581, 260, 6)):
        b.append(sparkle(x, y, r, "#FFFFFF", 0.85))
    b.append(cloud(40, 506, 0.7, 0.9) + cloud(580, 506, 0.7, 0.9))
    return svg_doc(w, h, "".join(b), defs)


def _msgbox():
    w, h = SIZES["MSGBOX"]
    defs = ('<linearGradient id="hd" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="#5AAB66"/><stop offset="1" stop-color="{HEADLINE_GREEN}"/>'
            '</linearGradient>')
    b = [f'<rect width="{w}" height="{h}" fill="#DDF1FF"/>']
    b.append('<path d="M0,0 H527 V56 Q400,62 263,57 T0,58 z" fill="url(#hd)"/>')
    b.append('<path d="M0,58 Q130,62 263,57 T527,56" fill="none" stroke="#A8DD9C" '
             'stroke-width="3"/>')
    b.append(star(20, 22, 10, "#FFE066", "#E0A800") + star(36, 42, 6, "#FFFFFF")
             + star(507, 22, 10, "#FFE066", "#E0A800") + star(491, 42, 6, "#FFFFFF"))
    b.append(f'<rect x="8" y="66" width="511" height="177" rx="18" fill="{CREAM}" '
             'stroke="#B7DDF5" stroke-width="2.5"/>')
    return svg_doc(w, h, "".join(b), defs)


def build(outputs):
    for name, fn in (("MAIN", _main), ("WINDOW", _window), ("LANGUAGE", _language),
                     ("MSGBOX", _msgbox)):
        w, h = SIZES[name]
        png = render_svg(fn(), os.path.join(WORK, "png", f"bg_{name}.png"), w, h, "bg_" + name)
        out = os.path.join(RES, "DIALOG", f"{name}.jpg")
        to_jpeg(png, out)
        notes = "window background " + name
        if name == "MAIN":
            notes += "; the painted name in Comic Neue (comic-neue)"
        outputs.append((out, "lexipond-art", notes))
