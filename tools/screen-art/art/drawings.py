# SPDX-License-Identifier: GPL-3.0-or-later
"""Small drawings shared by several pictures: the duck, clouds, lily pads, reeds,
sparkles, the pond mark of the program logo."""
from .common import FONT, shade


def duck(x, y, s=1.0, flip=False, ring=True):
    """A little yellow duck floating on water, (x, y) the middle of its waterline."""
    t = f'translate({x},{y}) scale({-s if flip else s},{s})'
    ring_svg = ('<ellipse cx="0" cy="2" rx="30" ry="5" fill="#FFFFFF" opacity="0.35"/>'
                if ring else "")
    return (f'<g transform="{t}">{ring_svg}'
            '<path d="M-24,-6 C-26,-20 -10,-22 0,-16 C8,-12 18,-14 24,-10 C28,-4 22,4 10,4 '
            'L-14,4 C-20,4 -24,0 -24,-6 z" fill="#FFD84A" stroke="#E0A800" stroke-width="1.6"/>'
            '<path d="M-10,-10 C-4,-14 6,-12 10,-6 C4,-4 -4,-4 -10,-10 z" fill="#FFC21C"/>'
            '<circle cx="14" cy="-26" r="11" fill="#FFD84A" stroke="#E0A800" stroke-width="1.6"/>'
            '<path d="M23,-27 q9,1 10,4 q-4,3 -11,1 z" fill="#FF9440" stroke="#E07020" '
            'stroke-width="1.2" stroke-linejoin="round"/>'
            '<circle cx="17" cy="-29" r="2.3" fill="#2B3A55"/>'
            '<circle cx="17.8" cy="-29.8" r="0.8" fill="#FFFFFF"/>'
            '<ellipse cx="11" cy="-22" rx="3" ry="1.8" fill="#FFB3A0" opacity="0.7"/>'
            '</g>')


def cloud(x, y, s=1.0, opacity=0.95):
    return (f'<g transform="translate({x},{y}) scale({s})" opacity="{opacity}">'
            '<ellipse cx="0" cy="0" rx="34" ry="14" fill="#FFFFFF"/>'
            '<circle cx="-12" cy="-8" r="13" fill="#FFFFFF"/>'
            '<circle cx="10" cy="-12" r="16" fill="#FFFFFF"/></g>')


def lily_pad(x, y, r, rot=0, flower=False):
    out = (f'<g transform="translate({x},{y}) rotate({rot})">'
           f'<ellipse cx="0" cy="0" rx="{r}" ry="{r * 0.55}" fill="#6FBF5A" stroke="#4E9E3E" '
           f'stroke-width="1.5"/>'
           f'<path d="M0,0 L{r},{-r * 0.12} L{r},{r * 0.12} z" fill="{shade("#3C7DBF", 0)}"/>'
           f'<path d="M0,0 L{-r * 0.7},{-r * 0.2} M0,0 L{-r * 0.6},{r * 0.25}" '
           f'stroke="#8ED67A" stroke-width="1.4" fill="none"/>')
    if flower:
        out += ('<g transform="translate(-2,-6)">'
                '<ellipse cx="-6" cy="0" rx="6" ry="3.5" fill="#FFC2D6" transform="rotate(-25)"/>'
                '<ellipse cx="6" cy="0" rx="6" ry="3.5" fill="#FFC2D6" transform="rotate(25)"/>'
                '<ellipse cx="0" cy="-4" rx="4" ry="7" fill="#FFD6E4"/>'
                '<circle cx="0" cy="-1" r="2.5" fill="#FFD54F"/></g>')
    return out + '</g>'


def reeds(x, y, s=1.0, flip=False):
    t = f'translate({x},{y}) scale({-s if flip else s},{s})'
    return (f'<g transform="{t}" stroke-linecap="round" fill="none">'
            '<path d="M0,0 C-2,-30 -6,-55 -14,-80" stroke="#5FAE4A" stroke-width="4"/>'
            '<path d="M8,0 C8,-30 10,-60 6,-95" stroke="#6FBF5A" stroke-width="4"/>'
            '<path d="M16,0 C20,-25 28,-45 40,-62" stroke="#5FAE4A" stroke-width="4"/>'
            '<rect x="2" y="-92" width="8" height="24" rx="4" fill="#A0673A" stroke="none" '
            'transform="rotate(-3 6 -80)"/>'
            '<rect x="-17" y="-78" width="7" height="20" rx="3.5" fill="#A0673A" stroke="none" '
            'transform="rotate(-15 -14 -68)"/></g>')


def tuft(x, y, s=1.0, colour="#7DCB5C"):
    return (f'<g transform="translate({x},{y}) scale({s})" fill="{colour}">'
            '<path d="M-12,0 Q-10,-14 -14,-22 Q-4,-12 -3,0 z"/>'
            '<path d="M-4,0 Q-2,-20 2,-28 Q4,-14 5,0 z"/>'
            '<path d="M3,0 Q8,-12 16,-18 Q10,-8 11,0 z"/></g>')


def sparkle(x, y, r, colour="#FFFFFF", opacity=0.9):
    return (f'<path transform="translate({x},{y})" opacity="{opacity}" fill="{colour}" '
            f'd="M0,{-r} Q{r * 0.18},{-r * 0.18} {r},0 Q{r * 0.18},{r * 0.18} 0,{r} '
            f'Q{-r * 0.18},{r * 0.18} {-r},0 Q{-r * 0.18},{-r * 0.18} 0,{-r} z"/>')


def star(x, y, r, fill, stroke=None, sw=1.2):
    import math
    pts = []
    for i in range(10):
        a = math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.48
        pts.append(f"{x + rr * math.cos(a):.2f},{y - rr * math.sin(a):.2f}")
    st = f' stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round"' if stroke else ""
    return f'<polygon points="{" ".join(pts)}" fill="{fill}"{st}/>'


def logo(size, detail=True, uid="lg"):
    """The program's mark: a big friendly letter A standing at a little pond with a duck,
    on a rounded sky tile. Drawn on a 256 x 256 grid and scaled to `size`."""
    s = size / 256
    defs = (f'<linearGradient id="{uid}sky" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#7CC8FF"/><stop offset="1" stop-color="#D9F1FF"/>'
            '</linearGradient>'
            f'<linearGradient id="{uid}a" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#FF9E6E"/><stop offset="1" stop-color="#F2603C"/>'
            '</linearGradient>'
            f'<clipPath id="{uid}clip"><rect x="8" y="8" width="240" height="240" rx="52"/>'
            '</clipPath>')
    body = [f'<g transform="scale({s})">']
    body.append(f'<rect x="8" y="12" width="240" height="240" rx="52" fill="#2F6FA8"/>')
    body.append(f'<rect x="8" y="8" width="240" height="240" rx="52" fill="url(#{uid}sky)"/>')
    body.append(f'<g clip-path="url(#{uid}clip)">')
    if detail:
        body.append('<circle cx="206" cy="52" r="22" fill="#FFE066"/>')
        body.append(cloud(60, 52, 0.9))
    # grass bank and pond
    body.append('<path d="M0,176 Q128,150 256,176 V256 H0 z" fill="#8ED67A"/>')
    body.append('<ellipse cx="128" cy="214" rx="112" ry="34" fill="#3C8FD8"/>')
    if detail:
        body.append('<ellipse cx="128" cy="206" rx="90" ry="16" fill="#6FB3EE" opacity="0.55"/>')
    body.append('</g>')
    # the letter A, drawn as three thick rounded strokes so that it stays clear when small
    sw = 32 if detail else 44
    a_path = ("M62,204 L128,46 L194,204 M90,160 H166" if detail
              else "M50,210 L128,40 L206,210 M84,168 H172")
    body.append(f'<path d="{a_path}" fill="none" stroke="#1F5F9E" stroke-opacity="0.35" '
                f'stroke-width="{sw + 18}" stroke-linecap="round" stroke-linejoin="round" '
                'transform="translate(0,5)"/>')
    body.append(f'<path d="{a_path}" fill="none" stroke="#FFFFFF" stroke-width="{sw + 16}" '
                'stroke-linecap="round" stroke-linejoin="round"/>')
    body.append(f'<path d="{a_path}" fill="none" stroke="url(#{uid}a)" stroke-width="{sw}" '
                'stroke-linecap="round" stroke-linejoin="round"/>')
    if detail:
        body.append(duck(192, 226, 1.15, ring=False))
    body.append('<rect x="8" y="8" width="240" height="240" rx="52" fill="none" '
                'stroke="#2F6FA8" stroke-width="6"/>')
    body.append('</g>')
    return defs, "".join(body)
