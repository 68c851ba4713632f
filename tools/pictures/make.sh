#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the 165 word pictures, resources/CUSTOM/<NAME>.jpg (300 x 225, progressive
# JPEG), and their credits, resources/credits/wordpictures.tsv, from words.tsv.
#
# usage: tools/pictures/make.sh [NAME...]   (no names: every word)
#
# Sources, installed here into tools/pictures/work/ (ignored by git):
#   @lobehub/fluent-emoji-3d   3D Fluent Emoji, 256 x 256 WebP by code point (MIT)
#   @iconify-json/fluent-emoji the same emoji as vector pictures (MIT)
#   svg/*.svg                  our own drawings (backgrounds, scenes, missing things,
#                              whole animals where the emoji shows only a head); the
#                              ones that use lib/shading.svg get its soft 3D shading
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
WORK=$HERE/work
OUTDIR=$ROOT/resources/CUSTOM
CREDITS=$ROOT/resources/credits/wordpictures.tsv

FLUENT3D_PKG=@lobehub/fluent-emoji-3d@1.1.0
ICONIFY_PKG=@iconify-json/fluent-emoji@1.2.7

install_tools() {
  local need=() p
  for p in imagemagick librsvg2-bin nodejs npm; do
    case $p in
      nodejs|npm) command -v "${p/nodejs/node}" >/dev/null && continue ;;
    esac
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
  done
  [ ${#need[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
}

install_sources() {
  mkdir -p "$WORK"
  if [ ! -f "$WORK/installed" ] || [ "$(cat "$WORK/installed")" != "$FLUENT3D_PKG $ICONIFY_PKG" ]; then
    [ -f "$WORK/package.json" ] || echo '{"private": true}' >"$WORK/package.json"
    npm install --prefix "$WORK" --no-audit --no-fund --save-exact "$FLUENT3D_PKG" "$ICONIFY_PKG" >&2
    echo "$FLUENT3D_PKG $ICONIFY_PKG" >"$WORK/installed"
  fi
  FLUENT3D=$WORK/node_modules/@lobehub/fluent-emoji-3d/assets
  ICONIFY=$WORK/node_modules/@iconify-json/fluent-emoji/icons.json
}

install_tools
install_sources
TMP=$WORK/tmp
rm -rf "$TMP"
mkdir -p "$TMP" "$OUTDIR" "$WORK/png" "$(dirname "$CREDITS")"
# shellcheck source=lib/compose.sh
. "$HERE/lib/compose.sh"
# shellcheck source=lib/recipes.sh
. "$HERE/lib/recipes.sh"

only=" ${*:-} "
made=0
while IFS=$'\t' read -r name recipe source notes; do
  [ "$name" = name ] && continue
  [ -n "$*" ] && [[ $only != *" $name "* ]] && continue
  OUT=$WORK/png/$name.png
  eval "$recipe"
  "$IM" "$OUT" -strip -quality 88 -sampling-factor 2x2 -interlace Plane "jpeg:$OUTDIR/$name.jpg"
  made=$((made + 1))
done <"$HERE/words.tsv"

{
  printf 'file\tsource\tlicence\tnotes\n'
  while IFS=$'\t' read -r name recipe source notes; do
    [ "$name" = name ] && continue
    case $source in
      fluent-emoji) licence=MIT ;;
      lexipond-drawings) licence="own-work" ;;
      *) echo "make.sh: unknown source $source for $name" >&2; exit 1 ;;
    esac
    printf 'resources/CUSTOM/%s.jpg\t%s\t%s\t%s\n' "$name" "$source" "$licence" "$notes"
  done <"$HERE/words.tsv"
} >"$CREDITS"

echo "make.sh: $made word pictures written to $OUTDIR" >&2
