#!/bin/sh
# Runs a command on an Xvfb server of its own. The server picks a free display
# number itself and reports it once it accepts clients (-displayfd), so runs in
# parallel, from this or any other build tree, never share or race for one.
#   scripts/own-display.sh <command> [arguments...]
set -eu
TMP=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$TMP/display" >"$TMP/log" 2>&1 &
XVFB=$!
trap 'kill $XVFB 2>/dev/null || true; wait $XVFB 2>/dev/null || true; rm -rf "$TMP"' EXIT
# The number arrives with a newline once the server is ready.
until grep -q '^[0-9][0-9]*$' "$TMP/display" 2>/dev/null; do
    if ! kill -0 $XVFB 2>/dev/null; then
        cat "$TMP/log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=":$(cat "$TMP/display")"
export DISPLAY
status=0
"$@" || status=$?
exit $status
