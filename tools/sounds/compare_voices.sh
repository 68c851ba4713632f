#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the words and letters with every candidate voice, without the
# pronunciation fixes, and scores each set with a speech recogniser.
#
#   tools/sounds/compare_voices.sh ASR_CHECK_PY [WORKDIR] [VOICE...]
#
# ASR_TRIALS (default 3) is how often the checker decodes each file.
# ASR_CHECK_PY is the intelligibility checker (asr_check.py: pocketsphinx with a
# grammar of all 191 phrases).  Each voice gets the same text, pace rule,
# trimming and levelling as the shipped set.  Prints one summary line a voice.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
check="${1:?path to asr_check.py}"
work="${2:-/tmp/lxp_voice_compare}"
shift $(( $# > 1 ? 2 : 1 ))
voices=("$@")
[ ${#voices[@]} -gt 0 ] || voices=(flite:rms flite:slt flite:awb flite:kal16 festival:slt_hts festival:kal espeak-ng)
mkdir -p "$work"
for v in "${voices[@]}"; do
  tag="${v//:/_}"
  rm -rf "${work:?}/$tag" "$work/$tag.asr"
  python3 "$here/make_sounds.py" --plain --voice "$v" --only words,letters --out "$work/$tag" > "$work/$tag.levels.txt"
  mkdir -p "$work/$tag.asr"
  cp "$work/$tag"/WORDS/*.wav "$work/$tag"/LETTERS/*.wav "$work/$tag.asr/"
  python3 "$check" "$work/$tag.asr" -j 2 --trials "${ASR_TRIALS:-3}" --json "$work/$tag.json" > "$work/$tag.asr.txt" 2>&1 || true
  printf '%-18s %s | %s\n' "$v" "$(grep '^constrained' "$work/$tag.asr.txt")" "$(grep '^duration' "$work/$tag.asr.txt")"
done
