# SPDX-License-Identifier: GPL-3.0-or-later
"""The button faces: one look for every button of the program.

A face is a soft rounded body with a darker lip below it (so the button seems to
stand a little off the window), a thin outline and a gentle gloss at the top.
Highlighted: the body lights up and gets a warm glowing rim. Pressed: the body
sinks onto its lip (moves down 2 px) and darkens a little, with a shadow at the top
edge. Disabled: everything in light grey, the content faded."""
from .common import CREAM, shade, grey

STATES = ("NORMAL", "HL", "PRESSED", "DISABLED")
SINK = 2  # how far a pressed face moves down


def theme(base, border=None):
    """A face theme from one body colour."""
    return {
        "top": shade(base, 0.72),
        "bottom": base,
        "border": border or shade(base, -0.28),
    }


def face_svg(w, h, state, th, content_fn=None, radius=10, opaque=True, uid="f",
             lip=3, circle=False):
    """SVG body (without the <svg> wrapper) of one face.

    content_fn(dy, state) returns the SVG drawn on the body, moved down by dy."""
    top, bottom, border = th["top"], th["bottom"], th["border"]
    if state == "HL":
        top, bottom = shade(top, 0.6), shade(bottom, 0.35)
        rim = "#FFC93C"
    elif state == "PRESSED":
        # darker, but light enough for a dark caption: the sinking shows the press
        top, bottom = shade(bottom, -0.01), shade(bottom, -0.045)
        border = shade(border, -0.12)
        rim = None
    elif state == "DISABLED":
        top, bottom, border = grey(top, 0.5), grey(bottom, 0.45), grey(border, 0.35)
        rim = None
    else:
        rim = None
    lip_colour = shade(border, -0.15) if state != "DISABLED" else grey(border, 0.2)
    dy = SINK if state == "PRESSED" else 0
    bh = h - 1 - lip  # body height
    x0, y0 = 1, 0.5 + dy
    bw = w - 2
    defs = (f'<linearGradient id="{uid}g" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient>'
            f'<linearGradient id="{uid}s" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="#000" stop-opacity="0.22"/>'
            f'<stop offset="0.22" stop-color="#000" stop-opacity="0"/></linearGradient>'
            f'<linearGradient id="{uid}w" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="#FFF" stop-opacity="0.85"/>'
            f'<stop offset="1" stop-color="#FFF" stop-opacity="0"/></linearGradient>')
    out = []
    if opaque:
        out.append(f'<rect width="{w}" height="{h}" fill="{CREAM}"/>')

    def shape(x, y, ww, hh, r, extra):
        if circle:
            return (f'<ellipse cx="{x + ww / 2}" cy="{y + hh / 2}" rx="{ww / 2}" '
                    f'ry="{hh / 2}" {extra}/>')
        return f'<rect x="{x}" y="{y}" width="{ww}" height="{hh}" rx="{r}" {extra}/>'

    # the lip: the same shape lower down, in the darker colour
    if state != "PRESSED":
        out.append(shape(x0, y0 + lip, bw, bh, radius, f'fill="{lip_colour}"'))
    else:
        out.append(shape(x0, y0 + lip - SINK, bw, bh + SINK - 1, radius,
                         f'fill="{lip_colour}"'))
    out.append(shape(x0, y0, bw, bh, radius,
                     f'fill="url(#{uid}g)" stroke="{border}" stroke-width="1.4"'))
    if state == "PRESSED":
        out.append(shape(x0 + 0.7, y0 + 0.7, bw - 1.4, bh - 1.4, radius,
                         f'fill="url(#{uid}s)"'))
    elif state != "DISABLED":
        gh = max(3, bh * 0.28)
        out.append(shape(x0 + 3, y0 + 1.6, bw - 6, gh, max(1, radius - 3),
                         f'fill="url(#{uid}w)"'))
    if rim:
        out.append(shape(x0 + 1.2, y0 + 1.2, bw - 2.4, bh - 2.4, max(1, radius - 1.2),
                         f'fill="none" stroke="{rim}" stroke-width="2.2"'))
    if content_fn:
        out.append(content_fn(dy, state))
    return defs, "".join(out)
