#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Lexipond need.
# Safe to run again: only packages that are missing are installed.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache clang-format python3
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libgl-dev libpulse-dev
  # the fuzz targets (fuzz/): clang and its libFuzzer runtime
  clang libclang-rt-14-dev
  # fonts the screens use: a free look-alike of the rounded hand-lettered
  # face the screens ask for, and a CJK font for the Korean screen texts
  fonts-comic-neue fonts-noto-cjk
  # running the program and its screenshots under a virtual display
  xvfb xauth xdotool x11-utils imagemagick
  # a private sound server with a null sink: the tests of the real sound output and
  # the random clicks with real sound in CI
  pulseaudio
  # install and package: the copyright and changelog generators, the Debian package
  # (dependency scan), and the checks of the menu entry, metadata and package
  python3 file dpkg-dev desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
