#!/usr/bin/env bash
# with_xvfb.sh [--wm] COMMAND...: runs COMMAND against a private Xvfb on a free display number
# (and openbox with --wm), whatever DISPLAY the caller has, and stops both afterwards.
set -euo pipefail
with_wm=false
if [ "${1:-}" = "--wm" ]; then with_wm=true; shift; fi

display=""
for number in $(seq 90 190); do
    if [ ! -e "/tmp/.X${number}-lock" ] && [ ! -e "/tmp/.X11-unix/X${number}" ]; then
        display=":${number}"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY="$display"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
if $with_wm; then
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 0.3
fi
"$@"
