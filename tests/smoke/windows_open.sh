#!/usr/bin/env bash
# Starts PROGRAM on the current display and waits until a window titled CAPTION is mapped.
set -euo pipefail
program="$1"
caption="$2"
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
    if xwininfo -root -tree | grep -q "\"$caption\""; then
        echo "window \"$caption\" is open"
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "$program ended before showing \"$caption\"" >&2; exit 1; }
    sleep 0.1
done
echo "no window \"$caption\" after 10 s" >&2
exit 1
