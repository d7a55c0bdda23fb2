#!/usr/bin/env bash
# with_xvfb.sh [--wm] COMMAND...: runs COMMAND against a private Xvfb on a free display number
# (and openbox with --wm), whatever DISPLAY the caller has, and stops both afterwards.
set -euo pipefail
with_wm=false
if [ "${1:-}" = "--wm" ]; then with_wm=true; shift; fi

# Xvfb picks a free display number itself and reports it once it accepts connections, so two
# scripts started at the same moment never share a server.
numberFile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
xvfb_pid=$!
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -f "$numberFile"
}
trap cleanup EXIT

for _ in $(seq 1 200); do
    [ -s "$numberFile" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
number=$(tr -dc '0-9' <"$numberFile")
[ -n "$number" ] || { echo "Xvfb did not start" >&2; exit 1; }

export DISPLAY=":${number}"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
if $with_wm; then
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    sleep 0.3
fi
"$@"
