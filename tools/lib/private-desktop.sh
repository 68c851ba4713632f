# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that run the program on a desktop of their own, so that nothing
# they do reaches the user's settings, screen or speakers.
#
# private_desktop WORK DISPLAY [PULSE_LOG]
#   HOME, XDG_RUNTIME_DIR and XDG_CONFIG_HOME under WORK; an Xvfb on DISPLAY; when
#   pulseaudio is installed, a sound server of its own with a null sink (its log to
#   PULSE_LOG), so sounds take their real time. Exports DISPLAY and PULSE_SERVER. The
#   servers are jobs of the calling shell: `kill $(jobs -p)` in its exit trap ends them.
# main_window
#   Waits up to 20 s for the program's main window and prints its id (nothing if none).
private_desktop() {
    local work=$1 disp=$2 pulse_log=${3:-/dev/null}
    export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    Xvfb "$disp" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do xdpyinfo -display "$disp" >/dev/null 2>&1 && break; sleep 0.1; done
    export DISPLAY=$disp
    command -v pulseaudio >/dev/null || return 0
    mkdir -p "$work/sound"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-level=info \
        -L "module-null-sink sink_name=null" \
        -L "module-native-protocol-unix socket=$work/sound/native auth-anonymous=1" \
        >"$pulse_log" 2>&1 &
    for _ in $(seq 50); do [ -S "$work/sound/native" ] && break; sleep 0.1; done
    export PULSE_SERVER=unix:$work/sound/native
}

main_window() {
    local window=""
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --name '^Lexipond$' 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    echo "$window"
}
