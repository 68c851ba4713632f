#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every window background, button face, the cursor, the program icon and
# the pictures that screens keep for themselves, from the drawings in art/*.py.
# Installs what it needs first: Debian packages, and the emoji package from npm at an
# exact version (pictures of the word categories).
#
#   tools/screen-art/make.sh            everything
#   tools/screen-art/make.sh icon menu  only some parts (see gen.py for the names)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

packages=(librsvg2-bin imagemagick fonts-comic-neue fonts-noto-cjk fontconfig python3)
# npm: Debian's, unless a node installation with its own npm is already there
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Fluent Emoji 3D (MIT), pinned.
EMOJI_PKG="@lobehub/fluent-emoji-3d"
EMOJI_VERSION="1.1.0"
work="$here/work"
mkdir -p "$work"
if [ ! -f "$work/node_modules/$EMOJI_PKG/package.json" ] ||
   ! grep -q "\"version\": \"$EMOJI_VERSION\"" "$work/node_modules/$EMOJI_PKG/package.json"; then
  npm install --prefix "$work" --no-save --no-package-lock --no-audit --no-fund \
    "$EMOJI_PKG@$EMOJI_VERSION"
fi

# The fonts are found by name through fontconfig; make sure the cache knows them.
fc-list | grep -q "Comic Neue" || fc-cache -f

cd "$here"
python3 gen.py "$@"
