#!/bin/sh
# Installs what is missing, builds and starts the program on its embedded
# default parameter set. Without a display it runs under Xvfb.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh"
BIN="${BUILD_DIR:-$ROOT/build}/bin/obxsetting"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24" "$BIN" "$@"
fi
exec "$BIN" "$@"
