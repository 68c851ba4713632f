#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Clicks at random on the running program, as a child might, with a real sound server
# so that every sound takes its real time, and checks what the program reports of its
# windows and cards on its debug log.
#
#   tools/checks/random-clicks.sh BUILD/lexipond [SECONDS=600] [CLICKS_PER_SECOND=20] [SEED=1]
#
# Needs Xvfb, xdotool and pulseaudio (tools/bootstrap.sh installs them); the sound
# server is a private one with a null sink. Prints the counts at the end; exits 1 when
# the program crashed or showed no window, showed a feedback dialog over the main menu,
# showed yellow cards that are not found pairs, or never opened a sound stream.
set -u
program=$(readlink -f "$1"); seconds=${2:-600}; rate=${3:-20}; seed=${4:-1}
set --
work=${KEEP_DIR:-$(mktemp -d)}; trap 'kill $(jobs -p) 2>/dev/null; [ -n "${KEEP_DIR:-}" ] || rm -rf "$work"' EXIT
. "$(dirname "$0")/../lib/private-desktop.sh"
private_desktop "$work" ":${DISPLAY_NUM:-77}" "$work/pulse.log"
export QT_LOGGING_RULES="lexipond.debug=true"

RANDOM=$seed
starts=0 nowindow=0 crashes=0 clicks=0 keys=0 over_menu=0 yellow=0 dialogs=0
end=$((SECONDS + seconds))
delay=$(awk "BEGIN{print 1/$rate}")
while [ $SECONDS -lt $end ]; do
    starts=$((starts + 1)); log=$work/run-$starts.log
    "$program" >"$log" 2>&1 & pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Lexipond$' 2>/dev/null | head -n 1); [ -n "$window" ] && break; sleep 0.1
    done
    [ -n "$window" ] || { echo "run $starts: no window"; nowindow=$((nowindow + 1)); kill $pid; continue; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    keys_list=(Escape Return space a q 1 2 3 Right Left)
    while kill -0 $pid 2>/dev/null && [ $SECONDS -lt $end ]; do
        # One second's worth of input in one call: xdotool itself keeps the pace.
        batch=()
        for _ in $(seq "$rate"); do
            if [ $((RANDOM % 20)) -eq 0 ]; then
                batch+=(key "${keys_list[RANDOM % ${#keys_list[@]}]}"); keys=$((keys + 1))
            else
                batch+=(mousemove $((X + RANDOM % WIDTH)) $((Y + RANDOM % HEIGHT)) mousedown 1 mouseup 1)
                clicks=$((clicks + 1))
            fi
            batch+=(sleep "$delay")
        done
        xdotool "${batch[@]}" 2>/dev/null
    done
    if kill -0 $pid 2>/dev/null; then kill $pid; wait $pid 2>/dev/null
    else wait $pid; status=$?; [ $status -ne 0 ] && { crashes=$((crashes + 1)); echo "run $starts: exit status $status"; tail -5 "$log"; }
    fi
    # The open child screen, from the opened/closed lines; a dialog shown while the
    # main menu is the screen counts as shown over the menu.
    counts=$(awk '
        /opened "frm(MAINMENU|LESS)/ { match($0, /"frm[A-Z]+"/); child = substr($0, RSTART, RLENGTH) }
        /shown modally "frmMSG/ { if (child == "\"frmMAINMENU\"") over++ }
        /pairs: [0-9]+ found, [0-9]+ yellow/ { match($0, /pairs: [0-9]+ found, [0-9]+ yellow/);
            split(substr($0, RSTART, RLENGTH), w, " "); if (w[4] != 2 * w[2]) bad++ }
        /shown modally "frmMSG/ { dialogs++ }
        END { print over + 0, bad + 0, dialogs + 0 }' "$log")
    set -- $counts
    over_menu=$((over_menu + $1)); yellow=$((yellow + $2)); dialogs=$((dialogs + $3))
done
streams=$(grep -c 'Created input .* on null' "$work/pulse.log")
echo "seed $seed, $seconds s at $rate a second: $clicks clicks, $keys keys, $starts starts," \
     "$streams sound streams, $dialogs feedback dialogs, $crashes crashes, $nowindow without" \
     "a window, $over_menu dialogs over the menu, $yellow yellow-card mismatches"
[ $crashes -eq 0 ] && [ $nowindow -eq 0 ] && [ $streams -gt 0 ] && [ $over_menu -eq 0 ] && [ $yellow -eq 0 ]
