#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the 104 write-along animations into Animations/ from the stroke table
# tools/animations/strokes.txt. Installs what the renderer needs when it is missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$here/work/build"

packages=(cmake ninja-build g++ qt6-base-dev libgif-dev fonts-comic-neue)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C "$build" -j2 >/dev/null

mkdir -p "$root/Animations"
QT_QPA_PLATFORM=offscreen "$build/lxp-letter-animations" "$here/strokes.txt" "$root/Animations" "$@"
