# SPDX-License-Identifier: GPL-3.0-or-later
"""The shared button faces of the resource table ("BTN", "BTNSPEAKER")."""
import os
from .common import RES, WORK, FACE_WORDS, svg_doc, render_svg, to_bmp24, to_png, grey
from .faces import face_svg, theme, STATES

BTN_W, BTN_H = 140, 39
SPK_W, SPK_H = 40, 39
BTN_THEME = {"top": "#FFFDF0", "bottom": "#FFE27A", "border": "#E9A23B"}
SPK_THEME = {"top": "#F3FBFF", "bottom": "#9FD8FF", "border": "#4A9AD8"}
SPEAKER_INK = "#1F5F9E"


def speaker(dy, state, cx=20, cy=18):
    ink = SPEAKER_INK if state != "DISABLED" else grey(SPEAKER_INK, 0.45)
    wave = "#FF8A3D" if state == "HL" else ink
    y = cy + dy
    body = (f'<path d="M{cx - 11},{y - 4} h5 l7,-6.5 v21 l-7,-6.5 h-5 z" fill="{ink}" '
            f'stroke="{ink}" stroke-width="1.6" stroke-linejoin="round"/>')
    waves = (f'<path d="M{cx + 4.5},{y - 4.5} q4,4.5 0,9" fill="none" stroke="{wave}" '
             f'stroke-width="2.2" stroke-linecap="round"/>'
             f'<path d="M{cx + 8},{y - 8.5} q7.5,8.5 0,17" fill="none" stroke="{wave}" '
             f'stroke-width="2.2" stroke-linecap="round"/>')
    return body + waves


def build(outputs):
    bmp_dir = os.path.join(RES, "BITMAP")
    for st in STATES:
        defs, body = face_svg(BTN_W, BTN_H, st, BTN_THEME, radius=12, uid="b")
        png = render_svg(svg_doc(BTN_W, BTN_H, body, defs),
                         os.path.join(WORK, "png", f"BTN{st}.png"), BTN_W, BTN_H, f"BTN{st}")
        out = os.path.join(bmp_dir, f"BTN{st}.bmp")
        to_bmp24(png, out)
        outputs.append((out, "lexipond-art", "wide button face (BTN), " + FACE_WORDS[st]))
    for st in STATES:
        defs, body = face_svg(SPK_W, SPK_H, st, SPK_THEME, content_fn=speaker, radius=11,
                              uid="s")
        png = render_svg(svg_doc(SPK_W, SPK_H, body, defs),
                         os.path.join(WORK, "png", f"BTNSPEAKER{st}.png"), SPK_W, SPK_H,
                         f"BTNSPEAKER{st}")
        if st == "DISABLED":
            # the resource table has no disabled speaker face: the screens keep it
            out = os.path.join(RES, "screens", "common", "BTNSPEAKERDISABLED.png")
            to_png(png, out)
        else:
            out = os.path.join(bmp_dir, f"BTNSPEAKER{st}.bmp")
            to_bmp24(png, out)
        outputs.append((out, "lexipond-art", "speaker button face (BTNSPEAKER), " + FACE_WORDS[st]))
