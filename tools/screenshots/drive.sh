#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the program under a private Xvfb and takes screenshots of what a learner sees.
#
#   tools/screenshots/drive.sh PROGRAM OUTDIR [HELP] [LANGUAGE] < STEPS
#
# HELP (ENGLISH or KOREAN) and LANGUAGE (AMERICAN or ENGLISH) are stored as the
# learner's choices before the start. STEPS, one a line, with x y relative to the main
# window's top-left corner:
#   click x y         a left click          key NAME      a key (xdotool key names)
#   move x y          the pointer there     wait SECONDS
#   shot NAME         OUTDIR/NAME.png: the main window's area of the screen, with any
#                     dialog above it
# Sounds play on a private sound server when pulseaudio is installed, so they take
# their real time. Needs xvfb, xdotool, imagemagick.
set -u
program=$(readlink -f "$1"); out=$2; help=${3:-}; language=${4:-}
mkdir -p "$out"
work=$(mktemp -d); trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../lib/private-desktop.sh"
private_desktop "$work" ":${DISPLAY_NUM:-96}"
mkdir -p "$XDG_CONFIG_HOME/Corvane Software Dev."
if [ -n "$help$language" ]; then
    {
        echo "[frmPROGMENUMAINDETAILS]"
        [ -n "$language" ] && echo "LANGUAGE=$language"
        [ -n "$help" ] && echo "HELP=$help"
    } > "$XDG_CONFIG_HOME/Corvane Software Dev./Lexipond.conf"
fi
"$program" >"$work/program.log" 2>&1 &
window=$(main_window)
[ -n "$window" ] || { echo "no window"; cat "$work/program.log"; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
while read -r step a b; do
    case "$step" in
        click) xdotool mousemove $((X + a)) $((Y + b)) sleep 0.1 mousedown 1 sleep 0.05 mouseup 1 ;;
        move) xdotool mousemove $((X + a)) $((Y + b)) ;;
        key) xdotool key "$a" ;;
        wait) sleep "$a" ;;
        shot) import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$a.png" && echo "wrote $out/$a.png" ;;
        ""|\#*) ;;
        *) echo "unknown step: $step" >&2 ;;
    esac
done
