# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures that screens keep for themselves (resources/screens/<window>/)."""
import os
from .common import (RES, WORK, HUES, FONT, FONT_KR, CONVERT, FACE_WORDS, svg_doc, render_svg, run,
                     text, shade, grey, ensure_dir)
from .faces import face_svg, STATES
from .drawings import logo, star, sparkle

SCREENS = os.path.join(RES, "screens")
EMOJI_DIR = os.path.join(WORK, "node_modules", "@lobehub", "fluent-emoji-3d", "assets")
LETTERS = [chr(ord("A") + i) for i in range(26)]
LIVE = ("NORMAL", "HL", "PRESSED")

# Category buttons of the words menu: tag -> (emoji code points, tile hue index, what it shows)
CATEGORIES = {
    "Animals": (["1f981"], 1, "a lion"),
    "Colors": (["1f3a8"], 5, "a painter's palette"),
    "Fruit": (["1f34e"], 0, "a red apple"),
    "General": (["1f451", "1f366", "1f95a"], 3, "a crown, an ice cream and an egg"),
    "Musical": (["1f3b8"], 4, "a guitar"),
    "Natural": (["26c5"], 3, "the sun behind a cloud"),
    "Pets": (["1f436"], 2, "a dog"),
    "Sports": (["26bd"], 2, "a football"),
    "Transport": (["1f697"], 6, "a car"),
    "Vegetables": (["1f955"], 1, "a carrot"),
}


def emoji_png(code):
    """The emoji as a PNG next to the SVGs (rsvg only reads files below the SVG's folder)."""
    out_dir = os.path.join(WORK, "svg", "emoji")
    ensure_dir(out_dir)
    out = os.path.join(out_dir, code + ".png")
    if not os.path.exists(out):
        src = os.path.join(EMOJI_DIR, code + ".webp")
        if not os.path.exists(src):
            src = os.path.join(EMOJI_DIR, code + "-fe0f.webp")
        run([CONVERT, src, "-strip", "PNG32:" + out])
    return "emoji/" + code + ".png"


def emoji(code, x, y, size, state, opacity=1.0):
    href = emoji_png(code)
    op = 0.45 if state == "DISABLED" else opacity
    flt = ' filter="url(#desat)"' if state == "DISABLED" else ""
    return (f'<image x="{x}" y="{y}" width="{size}" height="{size}" href="{href}" '
            f'xlink:href="{href}" opacity="{op}"{flt}/>')


DESAT = ('<filter id="desat"><feColorMatrix type="saturate" values="0.1"/></filter>'
         '<filter id="soft" x="-20%" y="-20%" width="140%" height="140%">'
         '<feGaussianBlur stdDeviation="1.2"/></filter>')


def tile_theme(hue):
    light, mid, deep = HUES[hue % len(HUES)]
    return {"top": shade(light, 0.55), "bottom": light, "border": mid}, deep


def save_face(folder, name, w, h, defs, body, outputs, source, notes):
    path = os.path.join(SCREENS, folder, name + ".png")
    render_svg(svg_doc(w, h, body, defs + DESAT), path, w, h, f"{folder}_{name}")
    outputs.append((path, source, notes))


# --- letters/: the 26 letter buttons of the alphabet and write-along lessons -----------
def letters(outputs):
    w = h = 44
    for i, L in enumerate(LETTERS):
        th, deep = tile_theme(i)
        for st in STATES:
            def content(dy, state, L=L, deep=deep):
                ink = deep if state != "DISABLED" else "#A8A8A8"
                return text(22, 31 + dy, L, 29, ink, extra='stroke="#FFFFFF" stroke-width="2.5" '
                            'paint-order="stroke" stroke-linejoin="round"')
            defs, body = face_svg(w, h, st, th, content, radius=11, opaque=False,
                                  uid=f"l{i}{st[0]}", lip=3)
            save_face("letters", f"btnpLETTERS_{L}_{st}", w, h, defs, body, outputs,
                      "comic-neue", f"letter button {L}, {FACE_WORDS[st]}; tile lexipond-art")


# --- frmLESSPCWD/: 26 round letter buttons showing the capital and the small letter -----
def round_letters(outputs):
    w = h = 41
    for i, L in enumerate(LETTERS):
        th, deep = tile_theme(i)
        for st in STATES:
            def content(dy, state, L=L, deep=deep):
                ink = deep if state != "DISABLED" else "#AAAAAA"
                return text(20.5, 26 + dy, L + L.lower(), 18.5, ink,
                            extra='stroke="#FFFFFF" stroke-width="2" paint-order="stroke" '
                                  'stroke-linejoin="round"')
            defs, body = face_svg(w, h, st, th, content, opaque=False, uid=f"r{i}{st[0]}",
                                  lip=2, circle=True)
            save_face("frmLESSPCWD", f"btnpLETTER_{L}_{st}", w, h, defs, body, outputs,
                      "comic-neue", f"round letter button {L}{L.lower()}, {FACE_WORDS[st]}; "
                      "tile lexipond-art")


# --- frmLESSWRDM/: the ten category buttons ------------------------------------------------
def categories(outputs):
    w, h = 100, 80
    for tag, (codes, hue, what) in CATEGORIES.items():
        th, _ = tile_theme(hue)
        for st in LIVE:
            def content(dy, state, codes=codes):
                g = 2 if state == "HL" else 0  # the picture grows a little under the pointer
                if len(codes) == 1:
                    return emoji(codes[0], 22 - g, 6 + dy - g, 56 + 2 * g, state)
                # a few everyday things: one at the back, two in front
                return (emoji(codes[0], 31 - g, 3 + dy - g, 38 + 2 * g, state)
                        + emoji(codes[1], 7 - g, 24 + dy - g, 38 + 2 * g, state)
                        + emoji(codes[2], 57 - g, 28 + dy - g, 34 + 2 * g, state))
            defs, body = face_svg(w, h, st, th, content, radius=16, opaque=False,
                                  uid=f"c{tag}{st[0]}", lip=4)
            save_face("frmLESSWRDM", f"btnpPICWORD1_{tag}_{st}", w, h, defs, body, outputs,
                      "fluent-emoji", f"words menu category {tag} ({what}), {FACE_WORDS[st]}; "
                      "tile lexipond-art")


# --- frmMAINMENU/: the five lesson buttons ---------------------------------------------------
def _block(x, y, size, letter, hue, rot):
    light, mid, deep = HUES[hue]
    return (f'<g transform="translate({x},{y}) rotate({rot} {size / 2} {size / 2})">'
            f'<rect x="0" y="3" width="{size}" height="{size}" rx="7" fill="{shade(mid, -0.25)}"/>'
            f'<rect x="0" y="0" width="{size}" height="{size}" rx="7" fill="{mid}"/>'
            f'<rect x="4" y="4" width="{size - 8}" height="{size - 8}" rx="5" fill="{light}"/>'
            + text(size / 2, size * 0.76, letter, size * 0.72, deep) + '</g>')


def _card(x, y, w, h, rot, inner, border="#9CC9EA"):
    return (f'<g transform="translate({x},{y}) rotate({rot} {w / 2} {h / 2})">'
            f'<rect x="1" y="3" width="{w}" height="{h}" rx="8" fill="#000" opacity="0.12"/>'
            f'<rect x="0" y="0" width="{w}" height="{h}" rx="8" fill="#FFFFFF" '
            f'stroke="{border}" stroke-width="2"/>{inner}</g>')


def _menu_alphabet(state):
    return (_block(10, 44, 44, "A", 0, -8) + _block(53, 26, 44, "B", 3, 3)
            + _block(96, 44, 44, "C", 2, 8)
            + sparkle(30, 24, 7, "#FFC247") + sparkle(124, 24, 6, "#FF8A7A"))


def _menu_words(state):
    back = _card(74, 14, 54, 68, 10, emoji("1f697", 5, 8, 44, state)
                 + text(27, 62, "car", 13, "#2B3A55"))
    front = _card(24, 12, 62, 80, -6, emoji("1f34e", 7, 6, 48, state)
                  + text(31, 71, "apple", 16, "#2B3A55"))
    return back + front


def _menu_picandwords(state):
    frame = ('<rect x="43" y="6" width="64" height="56" rx="8" fill="#5DB3EE"/>'
             '<rect x="47" y="10" width="56" height="48" rx="5" fill="#E6F6FF"/>'
             + emoji("1f431", 53, 10, 44, state))
    tiles = []
    for i, ch in enumerate(("C", "*", "T")):
        x = 33 + i * 30
        tiles.append(f'<rect x="{x}" y="68" width="26" height="28" rx="6" fill="#FFE27A" '
                     'stroke="#E9A23B" stroke-width="1.6"/>')
        if ch == "*":
            tiles.append(star(x + 13, 82, 9, "#FF8A3D", "#D8641C", 1))
        else:
            tiles.append(text(x + 13, 91, ch, 21, "#2B3A55"))
    return frame + "".join(tiles)


def _menu_writealong(state):
    lines = "".join(f'<line x1="6" y1="{y}" x2="86" y2="{y}" stroke="#B8DBF5" stroke-width="1.4"/>'
                    for y in (26, 46, 66))
    paper = _card(10, 8, 92, 86, -3,
                  lines + '<line x1="16" y1="4" x2="16" y2="82" stroke="#FFB3A8" stroke-width="1.4"/>'
                  + text(36, 66, "A", 44, "#5B3FC0")
                  + text(66, 66, "a", 52, "none", extra='stroke="#8A6FE8" stroke-width="2.4" '
                         'stroke-dasharray="3 2.5"'))
    return paper + emoji("270f", 90, 40, 50, state)


def _menu_pairs(state):
    left = _card(20, 14, 56, 74, -9, emoji("1f353", 6, 14, 44, state))
    right = _card(74, 14, 56, 74, 9, emoji("1f353", 6, 14, 44, state))
    return (left + right + sparkle(75, 12, 8, "#FFC247") + sparkle(62, 98, 5, "#FF8A7A")
            + sparkle(92, 100, 4, "#5DB3EE"))


MENU = {
    "ALPHABET": (_menu_alphabet, 0, "lexipond-art", "toy blocks A, B, C"),
    "WORDS": (_menu_words, 1, "fluent-emoji", "picture cards with their words (apple, car)"),
    "PICANDWORDS": (_menu_picandwords, 5, "fluent-emoji",
                    "a picture of a cat over the word C*T with a hidden letter"),
    "WRITEALONG": (_menu_writealong, 4, "fluent-emoji",
                   "a pencil writing the letter a on lined paper"),
    "PAIRS": (_menu_pairs, 2, "fluent-emoji", "two matching strawberry cards"),
}


TEXT_IN_MENU = ("ALPHABET", "WORDS", "PICANDWORDS", "WRITEALONG")


def main_menu(outputs):
    w, h = 150, 112
    for name, (fn, hue, source, what) in MENU.items():
        th, _ = tile_theme(hue)
        for st in LIVE:
            def content(dy, state, fn=fn):
                return f'<g transform="translate(0,{dy})">{fn(state)}</g>'
            defs, body = face_svg(w, h, st, th, content, radius=20, opaque=False,
                                  uid=f"m{name}{st[0]}", lip=5)
            notes = f"main menu lesson button {name}: {what}, {FACE_WORDS[st]}"
            notes += ("; drawing lexipond-art" if source == "fluent-emoji" else "")
            notes += ("; letters in Comic Neue (comic-neue)" if name in TEXT_IN_MENU else "")
            save_face("frmMAINMENU", f"btnp{name}_{st}", w, h, defs, body, outputs, source, notes)


# --- frmLANGUAGE/: the four option buttons --------------------------------------------------
def _flag_us():
    stripes = "".join(f'<rect x="0" y="{i * 52 / 7:.2f}" width="84" height="{52 / 7 + 0.1:.2f}" '
                      f'fill="{"#E8414B" if i % 2 == 0 else "#FFFFFF"}"/>' for i in range(7))
    stars = "".join(star(6 + c * 8 + (r % 2) * 4, 5.5 + r * 7, 2.6, "#FFFFFF")
                    for r in range(4) for c in range(4 - (r % 2)))
    return (stripes + '<rect x="0" y="0" width="38" height="30" fill="#2F5DB8"/>' + stars)


def _flag_uk():
    return ('<rect x="0" y="0" width="84" height="52" fill="#2452A8"/>'
            '<path d="M0,0 L84,52 M84,0 L0,52" stroke="#FFFFFF" stroke-width="11"/>'
            '<path d="M0,0 L42,26 M84,52 L42,26 M84,0 L42,26 M0,52 L42,26" stroke="#E8414B" '
            'stroke-width="3.5"/>'
            '<path d="M42,0 V52 M0,26 H84" stroke="#FFFFFF" stroke-width="15"/>'
            '<path d="M42,0 V52 M0,26 H84" stroke="#E8414B" stroke-width="8"/>')


def _flag(state, inner, uid):
    return (f'<clipPath id="{uid}"><rect x="0" y="0" width="84" height="52" rx="7"/></clipPath>'
            '<g transform="translate(18,10)">'
            '<rect x="1" y="3" width="84" height="52" rx="7" fill="#000" opacity="0.15"/>'
            f'<g clip-path="url(#{uid})">{inner}'
            '<rect x="0" y="0" width="84" height="22" fill="#FFFFFF" opacity="0.18"/></g>'
            '<rect x="0" y="0" width="84" height="52" rx="7" fill="none" stroke="#FFFFFF" '
            'stroke-width="2"/></g>')


def _bubble(label, family, size, colours, y_text=44):
    letters = ""
    if colours:
        n = len(label)
        cw = size * 0.62
        x0 = 60 - cw * (n - 1) / 2
        for i, ch in enumerate(label):
            letters += text(x0 + i * cw, y_text, ch, size, colours[i % len(colours)],
                            family=family)
    else:
        letters = text(60, y_text, label, size, "#1F6DB0", family=family)
    return ('<path d="M22,12 H98 Q108,12 108,22 V50 Q108,60 98,60 H50 L36,72 L38,60 H22 '
            'Q12,60 12,50 V22 Q12,12 22,12 z" fill="#FFFFFF" stroke="#5DB3EE" stroke-width="2.5" '
            'stroke-linejoin="round"/>' + letters)


LANGUAGE = {
    "AMERICAN": ("a stars-and-stripes flag", lambda st: _flag(st, _flag_us(), f"cu{st}"),
                 "lexipond-art"),
    "ENGLISH": ("a union flag", lambda st: _flag(st, _flag_uk(), f"ck{st}"), "lexipond-art"),
    "ENGHELP": ("a speech bubble saying ABC",
                lambda st: _bubble("ABC", FONT, 28, ("#E8414B", "#E9A23B", "#3B8A22")),
                "comic-neue"),
    "KOREAN": ("a speech bubble saying 한글 (Korean letters)",
               lambda st: _bubble("한글", FONT_KR, 26, None, 46), "noto-cjk"),
}


def language(outputs):
    w, h = 120, 80
    th = {"top": "#FFFFFF", "bottom": "#EAF6FF", "border": "#7FB8E4"}
    for name, (what, fn, source) in LANGUAGE.items():
        for st in LIVE:
            def content(dy, state, fn=fn):
                return f'<g transform="translate(0,{dy})">{fn(state)}</g>'
            defs, body = face_svg(w, h, st, th, content, radius=16, opaque=False,
                                  uid=f"g{name}{st[0]}", lip=4)
            save_face("frmLANGUAGE", f"btnp{name}_{st}", w, h, defs, body, outputs, source,
                      f"language option {name}: {what}, {FACE_WORDS[st]}"
                      + ("" if source == "lexipond-art" else "; bubble lexipond-art"))


# --- frmABOUTLXP/ -------------------------------------------------------------------------
def about(outputs):
    folder = os.path.join(SCREENS, "frmABOUTLXP")
    body = emoji("1f310", 0, 0, 48, "NORMAL")
    path = os.path.join(folder, "imgImage1.png")
    render_svg(svg_doc(48, 48, body), path, 48, 48, "about_imgImage1")
    outputs.append((path, "fluent-emoji", "About box: globe for the web page link"))
    defs, body = logo(96, detail=True, uid="ab")
    path = os.path.join(folder, "imgImage2.png")
    render_svg(svg_doc(96, 96, body, defs), path, 96, 96, "about_imgImage2")
    outputs.append((path, "lexipond-art", "About box: the program's mark"))


def build(outputs):
    letters(outputs)
    round_letters(outputs)
    categories(outputs)
    main_menu(outputs)
    language(outputs)
    about(outputs)
