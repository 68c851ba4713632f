#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every sound of Lexipond:
#   resources/WORDS/<NAME>.wav    165 spoken words
#   resources/LETTERS/<A..Z>.wav  26 spoken letter names
#   resources/AUDIO/<NAME>.wav    8 sound effects
# and their credits (resources/credits/sounds.tsv).
#
# Installs the Debian packages it needs at the pinned versions below, then runs
# make_sounds.py.  The versions actually used are written to packages.lock.
# LXP_SOUNDS_UNPINNED=1 takes whatever version the mirror offers instead (for a
# newer Debian release; compare the results before committing them).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

# Debian 12 (bookworm) packages
pinned=(
  flite=2.2-5
  libflite1=2.2-5
  sox=14.4.2+git20190427-3.5
  libsox3=14.4.2+git20190427-3.5
  libsox-fmt-base=14.4.2+git20190427-3.5
)
others=(python3)

want=()
for p in "${pinned[@]}"; do
  name="${p%%=*}"
  version="${p#*=}"
  [ "${LXP_SOUNDS_UNPINNED:-0}" = 1 ] && p="$name"
  have="$(dpkg-query -W -f='${Status} ${Version}' "$name" 2>/dev/null || true)"
  if [ "${LXP_SOUNDS_UNPINNED:-0}" = 1 ]; then
    [[ "$have" == "install ok installed"* ]] || want+=("$p")
  else
    [ "$have" = "install ok installed $version" ] || want+=("$p")
  fi
done
for p in "${others[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || want+=("$p")
done
if [ ${#want[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends --allow-downgrades "${want[@]}"
fi

{
  echo "# Debian packages that made the sounds in resources/WORDS, LETTERS and AUDIO"
  for p in "${pinned[@]}" "${others[@]}"; do
    dpkg-query -W -f='${Package}\t${Version}\n' "${p%%=*}"
  done
} > "$here/packages.lock"

/usr/bin/python3 "$here/make_sounds.py" --out "$root/resources" \
  --credits "$root/resources/credits/sounds.tsv" "$@"
