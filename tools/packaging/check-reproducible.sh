#!/usr/bin/env bash
# Builds the Debian package twice from one build folder and checks that the two are
# byte for byte the same. Between the two builds, everything whose bytes could carry
# the time of the build is made again at a later time, from inputs with new file times:
# the compiled-in resources (the resource compiler reads file times), the program
# linked afresh, the generated and gzipped documents, and the package archives.
# The compiled program code is left to the compiler cache: it holds no time stamp.
# The build folder is configured again first, so that both builds take the time
# stamp of the commit checked out now.
#
#   tools/packaging/check-reproducible.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:?usage: check-reproducible.sh BUILD_FOLDER}" && pwd)
cd "$(dirname "$0")/../.."

package() {
  rm -f "$build"/lexipond_*.deb
  (cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
  ls "$build"/lexipond_*.deb
}

cmake "$build" >/dev/null
first=$(package)
saved=$(mktemp -d)
trap 'rm -rf "$saved"' EXIT
cp "$first" "$saved/first.deb"

sleep 2
find resources Animations packaging CHANGELOG.md LICENSES -type f -exec touch {} +
rm -f "$build"/packaging/copyright "$build"/packaging/changelog.gz "$build"/packaging/lexipond.6.gz
cmake --build "$build" --target lexipond lexipond_docs >/dev/null
second=$(package)

if cmp -s "$saved/first.deb" "$second"; then
  echo "reproducible: two builds of $(basename "$second") are identical ($(sha256sum <"$second" | cut -c1-16))"
else
  echo "NOT reproducible: two builds of $(basename "$second") differ" >&2
  command -v diffoscope >/dev/null && diffoscope "$saved/first.deb" "$second" >&2 || true
  exit 1
fi
