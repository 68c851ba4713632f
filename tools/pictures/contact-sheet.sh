#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes review sheets of the word pictures, each picture with its resource name
# beneath, to tools/pictures/work/sheets/sheet-N.png (20 pictures a sheet, full size).
# usage: tools/pictures/contact-sheet.sh [NAME...]   (no names: every picture)
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
SRC=$HERE/../../resources/CUSTOM
OUT=$HERE/work/sheets
mkdir -p "$OUT"
rm -f "$OUT"/sheet-*.png
if [ $# -gt 0 ]; then
  files=()
  for n in "$@"; do files+=("$SRC/$n.jpg"); done
else
  files=("$SRC"/*.jpg)
fi
per=20
for ((i = 0; i < ${#files[@]}; i += per)); do
  /usr/bin/montage -font DejaVu-Sans -pointsize 14 -label '%t' "${files[@]:i:per}" \
    -tile 4x -geometry 300x225+6+6 -background '#f4f4f4' "$OUT/sheet-$((i / per + 1)).png"
done
echo "contact-sheet.sh: $(ls "$OUT" | wc -l) sheets in $OUT"
