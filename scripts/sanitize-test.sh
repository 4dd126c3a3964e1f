#!/bin/sh
# Builds the program and its tests with AddressSanitizer and UBSan in a build
# directory of its own and runs every test there. Any finding ends the
# program that made it with an error, so the run fails on it. Benchmarks and
# the developer tools are left out: the tests do not run them.
#   SANITIZE_DIR   build directory (default: build-asan beside the sources)
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SANITIZE_DIR=${SANITIZE_DIR:-$ROOT/build-asan}
# -O1 keeps the build short and the stacks readable; -g1 gives the lines.
cmake -S "$ROOT" -B "$SANITIZE_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DOBX_SANITIZE=ON -DOBX_BUILD_BENCH=OFF -DOBX_BUILD_TOOLS=OFF >/dev/null
cmake --build "$SANITIZE_DIR" -j "$(nproc)"
# Leaks are not looked for: the settings, the parameter store and the data
# provider live as long as the process by design and are never freed.
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0:halt_on_error=1}
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export ASAN_OPTIONS UBSAN_OPTIONS
cd "$SANITIZE_DIR"
ctest --output-on-failure -j "$(nproc)"
