#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Review mock-ups for contact-sheet.sh: the backgrounds with the faces placed where the
README suggests, and sample labels, so the pictures can be judged together.
Usage: mockups.py OUT_DIR"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "..", "..", "resources")
C = "/usr/bin/convert"


def font(style):
    return subprocess.run(["fc-match", "-f", "%{file}", f"Comic Neue:style={style}"],
                          check=True, capture_output=True, text=True).stdout


REG, BOLD = font("Regular"), font("Bold")


def res(*p):
    return os.path.join(RES, *p)


class Mock:
    def __init__(self, background):
        self.args = [C, background]

    def put(self, picture, x, y):
        self.args += [picture, "-geometry", f"+{x}+{y}", "-composite"]

    def label(self, x, y, s, size=16, fill="black", bold=False, centre=False):
        if centre:  # x is the centre: ImageMagick centres with -gravity North around the middle
            self.args += ["-gravity", "North", "-font", BOLD if bold else REG, "-pointsize",
                          str(size), "-fill", fill, "-annotate", f"{x - 0:+d}+{y}", s,
                          "-gravity", "NorthWest"]
        else:
            self.args += ["-font", BOLD if bold else REG, "-pointsize", str(size), "-fill", fill,
                          "-annotate", f"+{x}+{y}", s]

    def button(self, x, y, caption, face="NORMAL"):
        self.put(res("BITMAP", f"BTN{face}.bmp"), x, y)
        self.args += ["-font", REG, "-pointsize", "16", "-fill", "#C00000", "-gravity",
                      "NorthWest", "-annotate", f"+{x + 70 - len(caption) * 4}+{y + 9}",
                      caption]

    def save(self, out):
        subprocess.run(self.args + [out], check=True)


def main_menu(out):
    m = Mock(res("DIALOG", "MAIN.jpg"))
    spots = [("ALPHABET", 50, 112, "Learn the alphabet", "black"),
             ("WORDS", 260, 112, "Learn great words", "yellow"),
             ("PICANDWORDS", 470, 112, "Pictures and words", "black"),
             ("WRITEALONG", 155, 270, "Help to write Letters", "black"),
             ("PAIRS", 365, 270, "Find a matching pair", "black")]
    for name, x, y, text, colour in spots:
        face = "HL" if colour == "yellow" else "NORMAL"
        m.put(res("screens", "frmMAINMENU", f"btnp{name}_{face}.png"), x, y)
        m.label(x + 75 - len(text) * 4, y + 132, text, fill=colour)
    m.button(95, 490, "Close")
    m.button(265, 490, "Language", "HL")
    m.button(435, 490, "About")
    m.save(out)


def language(out):
    m = Mock(res("DIALOG", "LANGUAGE.jpg"))
    m.label(170, 39, " Choose your type of English ")
    m.label(180, 269, " Choose your type of Help ")
    for i, (name, text) in enumerate((("AMERICAN", "American"), ("ENGLISH", "English"))):
        x = 150 + i * 200
        m.put(res("screens", "frmLANGUAGE", f"btnp{name}_NORMAL.png"), x, 84)
        m.label(x + 60 - len(text) * 4, 190, text)
    for i, (name, text) in enumerate((("ENGHELP", "English"), ("KOREAN", "Korean"))):
        x = 150 + i * 200
        m.put(res("screens", "frmLANGUAGE", f"btnp{name}_{'HL' if i else 'NORMAL'}.png"), x, 314)
        m.label(x + 60 - len(text) * 4, 420, text)
    m.args += ["-fill", "none", "-stroke", "#E8414B", "-strokewidth", "3",
               "-draw", "roundrectangle 145,79 275,169 10,10",
               "-draw", "roundrectangle 145,309 275,399 10,10", "-stroke", "none"]
    m.button(150, 484, "OK")
    m.button(330, 484, "Cancel")
    m.save(out)


def alphabet(out):
    m = Mock(res("DIALOG", "WINDOW.jpg"))
    m.label(250, 44, "Airplane", 30, "black", bold=True)
    for i in range(26):
        letter = chr(65 + i)
        face = "HL" if letter == "D" else "PRESSED" if letter == "A" else "NORMAL"
        m.put(res("screens", "letters", f"btnpLETTERS_{letter}_{face}.png"),
              13 + (i % 13) * 50, 70 + (i // 13) * 50)
    m.args += ["-fill", "#D5EEFF", "-stroke", "#7FB8E4", "-draw", "rectangle 30,180 330,405",
               "-stroke", "none"]
    m.label(120, 300, "(photograph)", 16, "#7FB8E4")
    m.label(350, 220, "An airplane flies in the sky.", 16)
    m.label(350, 250, "It has two wings.", 16)
    m.label(350, 280, "We fly to our holiday.", 16)
    m.label(350, 380, "1 of 5", 16)
    m.put(res("BITMAP", "BTNSPEAKERNORMAL.bmp"), 290, 420)
    m.button(30, 480, "Back")
    m.button(190, 480, "Next", "HL")
    m.button(500, 480, "Exit")
    m.save(out)


def picture_words(out):
    m = Mock(res("DIALOG", "WINDOW.jpg"))
    m.label(143, 48, "Pictures and Words", 36, "#C2D8FC", bold=True)
    m.label(140, 45, "Pictures and Words", 36, "black", bold=True)
    m.args += ["-fill", "#D5EEFF", "-stroke", "#7FB8E4", "-draw", "rectangle 185,75 485,300",
               "-stroke", "none"]
    m.label(260, 340, "* p p * *", 32, "black")
    for i in range(26):
        letter = chr(65 + i)
        face = "DISABLED" if letter in "PEQ" else "HL" if letter == "K" else "NORMAL"
        m.put(res("screens", "frmLESSPCWD", f"btnpLETTER_{letter}_{face}.png"),
              32 + (i % 13) * 47, 360 + (i // 13) * 47)
    m.label(30, 480, "To play click on the letters to match the photo.", 19)
    m.put(res("screens", "common", "BTNSPEAKERDISABLED.png"), 500, 220)
    m.button(340, 500, "New")
    m.button(500, 500, "Exit")
    m.save(out)


def words_menu(out):
    m = Mock(res("DIALOG", "WINDOW.jpg"))
    m.label(200, 44, "Words Menu", 30, "black", bold=True)
    m.label(520, 40, "Animals", 18, "yellow")
    m.label(60, 100, "Pick a subject", 19)
    tags = ["Animals", "Colors", "Fruit", "General", "Musical", "Vegetables", "Transport",
            "Sports", "Natural", "Pets"]
    for i, tag in enumerate(tags):
        face = "HL" if i == 0 else "NORMAL"
        m.put(res("screens", "frmLESSWRDM", f"btnpPICWORD1_{tag}_{face}.png"),
              40 + (i % 5) * 122, 140 + (i // 5) * 120)
    m.button(500, 480, "Exit")
    m.save(out)


def msgbox(out):
    m = Mock(res("DIALOG", "MSGBOX.jpg"))
    m.label(150, 40, "You are correct !", 29, "white", bold=True)
    m.put(res("screens", "frmLESSWRDM", "btnpPICWORD1_Fruit_NORMAL.png"), 40, 90)
    m.label(170, 140, "You found Apple", 19)
    m.button(360, 190, "OK")
    m.save(out)


if __name__ == "__main__":
    out_dir = sys.argv[1]
    for fn in (main_menu, language, alphabet, picture_words, words_menu, msgbox):
        fn(os.path.join(out_dir, f"mock-{fn.__name__}.png"))
