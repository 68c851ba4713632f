#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes review sheets of every background, face and picture of tools/screen-art into
# tools/screen-art/work/sheets/ (ignored by git). Look at every sheet after a change.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
res="$here/../../resources"
out="$here/work/sheets"
tmp="$here/work/sheet-tmp"
rm -rf "$tmp"; mkdir -p "$out" "$tmp"
C=/usr/bin/convert
M=/usr/bin/montage
REG=$(fc-match -f '%{file}' 'Comic Neue:style=Regular')
BOLD=$(fc-match -f '%{file}' 'Comic Neue:style=Bold')
CREAM='#FFF6E2'

# 1. wide button faces with a sample caption where the picture button draws it
#    (lblWORDS: x 3..138, y 9..31, dark red, 12 pt = 16 px), and the speaker faces
for f in NORMAL HL PRESSED DISABLED; do
  $C "$res/BITMAP/BTN$f.bmp" -font "$REG" -pointsize 16 -fill '#C00000' \
     -gravity North -annotate +0+9 "Next" -scale 300% "$tmp/btn_$f.png"
done
for f in NORMAL HL PRESSED; do $C "$res/BITMAP/BTNSPEAKER$f.bmp" -scale 300% "$tmp/spk_$f.png"; done
$C "$res/screens/common/BTNSPEAKERDISABLED.png" -scale 300% "$tmp/spk_DISABLED.png"
$M -label '%t' -font "$REG" -pointsize 14 -background "$CREAM" -geometry +12+12 -tile 4x \
   "$tmp"/btn_NORMAL.png "$tmp"/btn_HL.png "$tmp"/btn_PRESSED.png "$tmp"/btn_DISABLED.png \
   "$tmp"/spk_NORMAL.png "$tmp"/spk_HL.png "$tmp"/spk_PRESSED.png "$tmp"/spk_DISABLED.png \
   "$out/01-button-faces.png"

# 2. backgrounds with sample labels in their quiet areas: black and yellow (the main menu
#    turns a lesson label yellow on hover), white and blue for the dialog headline
$C "$res/DIALOG/MAIN.jpg" -font "$REG" -pointsize 16 \
   -fill '#FFFFFF' -draw "roundrectangle 50,112 200,224 18,18" \
   -fill '#FFFFFF' -draw "roundrectangle 260,112 410,224 18,18" \
   -fill '#FFFFFF' -draw "roundrectangle 470,112 620,224 18,18" \
   -fill '#FFFFFF' -draw "roundrectangle 155,270 305,382 18,18" \
   -fill '#FFFFFF' -draw "roundrectangle 365,270 515,382 18,18" \
   -fill black -annotate +62+246 "Learn the alphabet" \
   -fill yellow -annotate +268+246 "Learn great words" \
   -fill black -annotate +478+246 "Pictures and words" \
   -fill black -annotate +155+404 "Help to write Letters" \
   -fill yellow -annotate +370+404 "Find a matching pair" \
   "$res/BITMAP/BTNNORMAL.bmp" -geometry +95+490 -composite \
   "$res/BITMAP/BTNHL.bmp" -geometry +265+490 -composite \
   "$res/BITMAP/BTNPRESSED.bmp" -geometry +435+490 -composite \
   "$tmp/bg_main.png"
$C "$res/DIALOG/WINDOW.jpg" -font "$BOLD" -pointsize 40 -fill '#C2D8FC' -annotate +143+46 "Pictures and Words" \
   -fill black -annotate +140+43 "Pictures and Words" \
   -font "$REG" -pointsize 19 -fill black -annotate +40+110 "To play click on the letters to match the photo." \
   -fill yellow -pointsize 16 -annotate +560+40 "Animals" \
   "$res/BITMAP/BTNNORMAL.bmp" -geometry +500+495 -composite "$tmp/bg_window.png"
$C "$res/DIALOG/LANGUAGE.jpg" -font "$REG" -pointsize 16 \
   -fill black -annotate +200+39 " Choose your type of English " \
   -fill black -annotate +200+269 " Choose your type of Help " \
   -fill black -annotate +150+200 "American" -annotate +400+200 "English" \
   "$res/BITMAP/BTNNORMAL.bmp" -geometry +150+484 -composite \
   "$res/BITMAP/BTNNORMAL.bmp" -geometry +330+484 -composite "$tmp/bg_language.png"
$C "$res/DIALOG/MSGBOX.jpg" -font "$BOLD" -pointsize 29 \
   -fill white -annotate +60+40 "You are correct !" -fill '#0000FF' -annotate +300+40 "Well Done!" \
   -font "$REG" -pointsize 19 -fill black -annotate +130+120 "You found Apple" \
   "$res/BITMAP/BTNNORMAL.bmp" -geometry +370+195 -composite "$tmp/bg_msgbox.png"
$M -label '%t' -font "$REG" -pointsize 14 -background '#DDDDDD' -geometry +8+8 -tile 2x \
   "$tmp/bg_main.png" "$tmp/bg_window.png" "$tmp/bg_language.png" "$tmp/bg_msgbox.png" \
   "$out/02-backgrounds.png"

# 3. face sets of the screens, one row per button, on the background they sit on
sheet() {  # name, background colour, scale, files...
  local name=$1 bg=$2 scale=$3 cols=$4; shift 4
  $M -background "$bg" -geometry +4+4 -tile "${cols}x" "$@" "$tmp/$name.png"
  $C "$tmp/$name.png" -scale "$scale" "$out/$name.png"
}
faces() { local dir=$1 prefix=$2 states=$3; shift 3
  for t in "$@"; do for s in $states; do echo "$res/screens/$dir/${prefix}${t}_$s.png"; done; done; }
ALPHA=$(echo {A..Z})
sheet 03-letters "$CREAM" 150% 8 $(faces letters btnpLETTERS_ "NORMAL HL PRESSED DISABLED" $ALPHA)
sheet 04-round-letters "$CREAM" 150% 8 $(faces frmLESSPCWD btnpLETTER_ "NORMAL HL PRESSED DISABLED" $ALPHA)
if [ -d "$res/screens/frmLESSWRDM" ]; then
  sheet 05-categories "$CREAM" 100% 6 $(faces frmLESSWRDM btnpPICWORD1_ "NORMAL HL PRESSED" \
    Animals Colors Fruit General Musical Natural Pets Sports Transport Vegetables)
fi
if [ -d "$res/screens/frmMAINMENU" ]; then
  sheet 06-main-menu '#4487C6' 100% 3 $(faces frmMAINMENU btnp "NORMAL HL PRESSED" \
    ALPHABET WORDS PICANDWORDS WRITEALONG PAIRS)
fi
if [ -d "$res/screens/frmLANGUAGE" ]; then
  sheet 07-language "$CREAM" 100% 3 $(faces frmLANGUAGE btnp "NORMAL HL PRESSED" \
    AMERICAN ENGLISH ENGHELP KOREAN)
fi

# 4. icon, cursor and the About box pictures
icons=()
for s in 16 22 24 32 48 64 128 256; do icons+=("$res/ICON/LEXIPOND_$s.png"); done
for i in 0 1 2 3 4 5; do $C "$res/ICON/LEXIPOND.ico[$i]" "$tmp/ico_$i.png"; icons+=("$tmp/ico_$i.png"); done
$C "cur:$res/CURSOR/101.cur" -scale 400% "$tmp/cursor.png"; icons+=("$tmp/cursor.png")
[ -d "$res/screens/frmABOUTLXP" ] && icons+=("$res/screens/frmABOUTLXP/imgImage1.png" "$res/screens/frmABOUTLXP/imgImage2.png")
$M -label '%wx%h' -font "$REG" -pointsize 12 -background '#DDDDDD' -geometry +6+6 -tile 8x \
   "${icons[@]}" "$out/08-icon-cursor-about.png"

# 5. mock-ups: the pictures placed together on their backgrounds, with sample texts
python3 "$here/mockups.py" "$tmp"
$M -label '%t' -font "$REG" -pointsize 14 -background '#DDDDDD' -geometry +8+8 -tile 2x \
   "$tmp"/mock-*.png "$out/09-mockups.png"

rm -rf "$tmp"
ls "$out"
