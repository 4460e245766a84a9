#!/usr/bin/env bash
# Runs a program on a private X server (Xvfb) managed by a real window
# manager (openbox), and removes both again on exit, also when the program
# fails or the run is interrupted.
#   run_with_window_manager.sh PROGRAM [ARGUMENT...]
# The program gets DISPLAY, QT_QPA_PLATFORM=xcb and the window manager's
# process id in ZENTARO_WM_PID; its exit status is the script's. A program
# that runs longer than ZENTARO_WM_RUN_SECONDS (default 240) is stopped.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 PROGRAM [ARGUMENT...]" >&2; exit 2; }
for tool in Xvfb openbox xprop wmctrl xdotool; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$0: $tool is not installed" >&2; exit 2; }
done

workdir=$(mktemp -d "${TMPDIR:-/tmp}/zentaro-wm.XXXXXX")
xvfb_pid=
wm_pid=
program_pid=

cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    for pid in $program_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $program_pid $wm_pid $xvfb_pid; do
        # Give each a moment to go, then make sure it is gone.
        for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$workdir"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Xvfb picks a free display number itself and reports it on a pipe.
mkfifo "$workdir/display.fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$workdir/display.fifo" \
    >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
display_number=
if ! read -r -t 20 display_number <"$workdir/display.fifo" || [ -z "$display_number" ]; then
    echo "$0: Xvfb did not start" >&2
    cat "$workdir/xvfb.log" >&2 || true
    exit 1
fi
export DISPLAY=":$display_number"

# openbox with its defaults, but no session manager; its own home so that no
# user configuration changes what the tests see.
mkdir -p "$workdir/home"
HOME="$workdir/home" XDG_CONFIG_HOME="$workdir/home/.config" \
    openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!

# The window manager manages windows once it has announced itself on the
# root window (EWMH supporting-WM check) and its check window names it.
managed=
for _ in $(seq 1 200); do
    if ! kill -0 "$wm_pid" 2>/dev/null; then break; fi
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # \(0x[0-9a-fA-F]*\).*/\1/p')
    if [ -n "$check" ] && xprop -id "$check" _NET_WM_NAME 2>/dev/null | grep -qi openbox; then
        managed=yes
        break
    fi
    sleep 0.05
done
if [ -z "$managed" ]; then
    echo "$0: openbox did not start managing windows on $DISPLAY" >&2
    cat "$workdir/openbox.log" >&2 || true
    exit 1
fi

export QT_QPA_PLATFORM=xcb
# Tests that hold the window manager back for a moment need its process.
export ZENTARO_WM_PID=$wm_pid
# In the background, so that a signal to this script is handled at once.
timeout --kill-after=10 "${ZENTARO_WM_RUN_SECONDS:-240}" "$@" &
program_pid=$!
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -ne 124 ] || echo "$0: $1 did not finish within ${ZENTARO_WM_RUN_SECONDS:-240} s" >&2
exit "$status"
