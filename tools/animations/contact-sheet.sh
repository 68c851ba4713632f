#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Contact sheets of the write-along animations for checking them by eye:
#   work/sheets/finished-*.png   the last frame of every file
#   work/sheets/tracing-start-*.png  the first frame of the tracing guides
#   work/sheets/progress-*.png   six moments of each letter being written
# Needs ImageMagick (installed when missing).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
anim="$(cd "$here/../.." && pwd)/Animations"
work="$here/work/sheets"
frames="$here/work/frames"

label_font=/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf
if ! command -v montage >/dev/null || [ ! -f "$label_font" ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends imagemagick fonts-comic-neue
fi

rm -rf "$work" "$frames"
mkdir -p "$work" "$frames"

capitals=(A B C D E F G H I J K L M N O P Q R S T U V W X Y Z)
smalls=(a b c d e f g h i j k l m n o p q r s t u v w x y z)

# Full frames of one file into frames/<key>/NNN.png.
explode() {
  local file="$1" key="$2"
  mkdir -p "$frames/$key"
  convert "$anim/$file" -coalesce "$frames/$key/%03d.png"
}

for l in "${capitals[@]}"; do
  explode "$l ucase chr.gif" "${l}_chr_upper"
  explode "$l - Ucase.gif" "${l}_trace_upper"
done
for l in "${smalls[@]}"; do
  explode "$l lcase chr.gif" "${l}_chr_lower"
  explode "$l - lcase.gif" "${l}_trace_lower"
done

last() { ls "$1" | sort | tail -n 1; }

sheet() {  # sheet OUT SUFFIX PICK(first|last) LETTERS...
  local out="$1" suffix="$2" pick="$3"; shift 3
  local tiles=()
  for l in "$@"; do
    local dir="$frames/${l}_${suffix}"
    if [ "$pick" = first ]; then tiles+=(-label "$l" "$dir/000.png"); else tiles+=(-label "$l" "$dir/$(last "$dir")"); fi
  done
  montage "${tiles[@]}" -tile 7x -geometry +4+4 -background '#666666' -fill white -font "$label_font" "$work/$out"
}

sheet finished-chr-upper.png chr_upper last "${capitals[@]}"
sheet finished-chr-lower.png chr_lower last "${smalls[@]}"
sheet finished-trace-upper.png trace_upper last "${capitals[@]}"
sheet finished-trace-lower.png trace_lower last "${smalls[@]}"
sheet tracing-start-upper.png trace_upper first "${capitals[@]}"
sheet tracing-start-lower.png trace_lower first "${smalls[@]}"

# Six moments of writing for each letter: one row a letter, at 1/7 .. 6/7 of the frames.
progress() {  # progress OUT SUFFIX LETTERS...
  local out="$1" suffix="$2"; shift 2
  local tiles=()
  for l in "$@"; do
    local dir="$frames/${l}_${suffix}"
    local n; n=$(ls "$dir" | wc -l)
    for k in 1 2 3 4 5 6; do
      tiles+=(-label "$l" "$dir/$(printf '%03d' $(( (n - 1) * k / 7 ))).png")
    done
  done
  montage "${tiles[@]}" -tile 6x -geometry 110x110+2+2 -background '#666666' -fill white -font "$label_font" "$work/$out"
}
progress progress-upper-1.png chr_upper "${capitals[@]:0:13}"
progress progress-upper-2.png chr_upper "${capitals[@]:13}"
progress progress-lower-1.png chr_lower "${smalls[@]:0:13}"
progress progress-lower-2.png chr_lower "${smalls[@]:13}"

echo "contact sheets in $work"
