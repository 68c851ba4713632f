#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The processor time the running program takes on the main menu, on the write-along
# lesson playing its two animations, and on the menu again after the lesson, each over
# SECONDS, as a share of one core (user + system time from /proc/PID/stat). The program
# runs under a private Xvfb (display :DISPLAY_NUM, 74 unless set) with a private sound
# server when pulseaudio is installed; the lesson is opened by clicking its button on
# the main menu and left by its exit button.
#
#   bench/lessons/writealong/cpu-playing.sh BUILD/lexipond [SECONDS=60]
set -eu
program=$(readlink -f "$1"); seconds=${2:-60}
work=$(mktemp -d); trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../../../tools/lib/private-desktop.sh"
private_desktop "$work" ":${DISPLAY_NUM:-74}"
export QT_LOGGING_RULES="lexipond.debug=true"
"$program" >"$work/program.log" 2>&1 &
pid=$!
window=$(main_window)
[ -n "$window" ] || { echo "no window"; cat "$work/program.log"; exit 1; }
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"

ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
measure() {
    local before after
    before=$(ticks); sleep "$seconds"; after=$(ticks)
    awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v what="$1" \
        'BEGIN { printf "%s: %.2f%% of one core (%d ticks in %d s)\n", what, 100 * t / hz / s, t, s }'
}

measure "main menu"
# The write-along button: the first of the main menu's second row.
xdotool mousemove $((X + 230)) $((Y + 326)) click 1
sleep 3
grep -q "opened.*frmLESSWRIT" "$work/program.log" || { echo "the lesson did not open"; exit 1; }
measure "write-along lesson, two animations playing"
# Exit, in the middle under the frames: the closed lesson plays nothing.
xdotool mousemove $((X + 335)) $((Y + 509)) click 1
sleep 2
grep -q "closed.*frmLESSWRIT" "$work/program.log" || { echo "the lesson did not close"; exit 1; }
measure "main menu after the lesson"
kill "$pid"
