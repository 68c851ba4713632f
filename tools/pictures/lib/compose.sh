# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers that the word picture recipes use (sourced by make.sh).
# Every picture is built at 300 x 225 pixels: a background, then layers placed
# by their centre relative to the picture's centre.

W=300
H=225
IM=/usr/bin/convert

# emoji CODE: path of the 3D Fluent Emoji picture (256 x 256 WebP) of a code point.
emoji() {
  local f
  for f in "$FLUENT3D/$1.webp" "$FLUENT3D/$1-fe0f.webp"; do
    [ -f "$f" ] && { echo "$f"; return; }
  done
  echo "make.sh: no 3D emoji $1" >&2
  return 1
}

# icon NAME: a PNG of the vector Fluent Emoji NAME, rendered at 512 x 512.
icon() {
  local svg="$TMP/icon-$1.svg" png="$TMP/icon-$1.png"
  if [ ! -f "$png" ]; then
    node "$HERE/lib/iconify-svg.js" "$ICONIFY" "$1" "$svg" >&2 || return 1
    rsvg-convert -w 512 -h 512 "$svg" -o "$png"
  fi
  echo "$png"
}

# drawing NAME [WIDTH HEIGHT]: a PNG of our own drawing svg/NAME.svg. A drawing that
# uses the shared shading filters (url(#puff...)) gets lib/shading.svg put in.
drawing() {
  local png="$TMP/svg-$1-${2:-0}x${3:-0}.png" svg="$HERE/svg/$1.svg"
  if [ ! -f "$png" ]; then
    if grep -q 'url(#puff' "$svg"; then
      sed "/<svg /r $HERE/lib/shading.svg" "$svg" >"$TMP/shaded-$1.svg"
      svg="$TMP/shaded-$1.svg"
    fi
    if [ -n "${2:-}" ]; then
      rsvg-convert -w "$2" -h "$3" "$svg" -o "$png"
    else
      rsvg-convert "$svg" -o "$png"
    fi
  fi
  echo "$png"
}

# prep SRC NAME IM-OPTIONS...: a transformed copy of SRC (recolour, flip, crop...).
# The options work on the colour channels; the outline (alpha) is kept.
prep() {
  local src=$1 out="$TMP/prep-$2.png"
  shift 2
  "$IM" "$src" "$@" "$out"
  echo "$out"
}

# recolour SRC NAME BRIGHTNESS SATURATION HUE: -modulate with the alpha kept.
recolour() {
  prep "$1" "$2" -modulate "$3,$4,$5"
}

# picture OUT BACKGROUND LAYER...
#   LAYER = "FILE SIZE DX DY [shadow|flat]": FILE scaled to fit SIZE x SIZE,
#   its centre moved by DX, DY from the picture's centre.
picture() {
  local out=$1 bg=$2
  shift 2
  local args=("$bg" -resize "${W}x${H}!")
  local layer file size dx dy mode geo
  for layer in "$@"; do
    read -r file size dx dy mode <<<"$layer"
    geo=$(printf '%+d%+d' "$dx" "$dy")
    if [ "${mode:-shadow}" = shadow ]; then
      args+=( \( "$file" -resize "${size}x${size}" -background none -gravity center
                 \( +clone -background '#2a3a5a' -shadow 35x5+0+5 \) +swap
                 -background none -layers merge +repage \)
              -gravity center -geometry "$geo" -composite )
    else
      args+=( \( "$file" -resize "${size}x${size}" \) -gravity center -geometry "$geo" -composite )
    fi
  done
  "$IM" "${args[@]}" -alpha off "$out"
}

# tile OUT FILE [SIZE]: the one-object picture on the standard background.
tile() {
  picture "$1" "$(drawing bg-tile)" "$2 ${3:-190} 0 -2"
}

# hues SRC NAME FH [FS [FL]]: recolour by hue. FH, FS, FL compute the new hue,
# saturation and lightness (0..1) from hx, sx, lx of each pixel; e.g. FH
# "hx>0.8 ? hx-0.8 : hx" moves pinks to red and orange and leaves other hues alone.
hues() {
  local src=$1 out="$TMP/hues-$2.png" fh=$3 fs=${4:-sx} fl=${5:-lx}
  local pre='hx=u.r; sx=u.g; lx=u.b;'
  "$IM" "$src" -write mpr:src +delete \
    \( mpr:src -alpha off -colorspace HSL -write mpr:hsl +delete \) \
    \( mpr:hsl -fx "$pre $fh" \) \( mpr:hsl -fx "$pre $fs" \) \( mpr:hsl -fx "$pre $fl" \) \
    -set colorspace HSL -combine -colorspace sRGB \
    \( mpr:src -alpha extract \) -alpha off -compose CopyOpacity -composite "$out"
  echo "$out"
}
