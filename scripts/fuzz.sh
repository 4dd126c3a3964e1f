#!/bin/sh
# Builds the libFuzzer target with clang in a build directory of its own and
# runs it for a few seconds over the seed corpus, with the dictionary of the
# file format's tokens, and prints the inputs run per second. Exits non-zero
# only when the fuzzer found a crash (it then leaves the input in
# $FUZZ_DIR/artifacts); a missing compiler or a failed build is reported and
# skipped.
#   FUZZ_DIR    build directory (default: build-fuzz beside the sources)
#   FUZZ_TIME   seconds to run (default: 5)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
FUZZ_DIR=${FUZZ_DIR:-$ROOT/build-fuzz}
FUZZ_TIME=${FUZZ_TIME:-5}
TARGET=fuzz_parameterfile

skip() {
    echo "fuzz.sh: $1; fuzzing skipped" >&2
    exit 0
}

CC_BIN=$(command -v clang-14 || command -v clang || true)
CXX_BIN=$(command -v clang++-14 || command -v clang++ || true)
[ -n "$CC_BIN" ] && [ -n "$CXX_BIN" ] || skip "clang not found"

mkdir -p "$FUZZ_DIR" || skip "cannot create $FUZZ_DIR"
LOG=$FUZZ_DIR/build.log
cmake -S "$ROOT" -B "$FUZZ_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER="$CC_BIN" -DCMAKE_CXX_COMPILER="$CXX_BIN" \
    -DOBX_BUILD_FUZZ=ON -DOBX_BUILD_TESTS=OFF -DOBX_BUILD_BENCH=OFF >"$LOG" 2>&1 ||
    skip "configuring failed (see $LOG)"
cmake --build "$FUZZ_DIR" --target "$TARGET" -j "$(nproc)" >>"$LOG" 2>&1 ||
    skip "building failed (see $LOG)"

BIN=$FUZZ_DIR/bin/$TARGET
[ -x "$BIN" ] || skip "$BIN missing"

# The run's corpus grows, so it lives in the build directory; the seeds in the
# source tree stay as committed.
CORPUS=$FUZZ_DIR/corpus
ARTIFACTS=$FUZZ_DIR/artifacts
mkdir -p "$CORPUS" "$ARTIFACTS"
rm -f "$ARTIFACTS"/crash-* "$ARTIFACTS"/leak-* "$ARTIFACTS"/timeout-* "$ARTIFACTS"/oom-*

QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$BIN" \
    -max_total_time="$FUZZ_TIME" -timeout=20 -rss_limit_mb=4096 -max_len=262144 \
    -dict="$ROOT/fuzz/parameterfile.dict" \
    -artifact_prefix="$ARTIFACTS/" -print_final_stats=1 \
    "$CORPUS" "$ROOT/fuzz/corpus" "$ROOT/config/parameter" >"$FUZZ_DIR/run.log" 2>&1
STATUS=$?

FOUND=$(ls "$ARTIFACTS" 2>/dev/null | grep -E '^(crash|leak|timeout|oom)-' || true)
if [ -n "$FOUND" ]; then
    tail -n 40 "$FUZZ_DIR/run.log" >&2
    echo "fuzz.sh: the fuzzer found a failure: $ARTIFACTS/$FOUND" >&2
    exit 1
fi
if [ "$STATUS" -ne 0 ]; then
    tail -n 20 "$FUZZ_DIR/run.log" >&2
    echo "fuzz.sh: the fuzzer ended with status $STATUS without a failing input; not counted" >&2
    exit 0
fi
grep -E '^(#[0-9]+|Done)' "$FUZZ_DIR/run.log" | tail -n 1
grep -E '^stat::(number_of_executed_units|average_exec_per_sec):' "$FUZZ_DIR/run.log"
echo "fuzz.sh: no crash in ${FUZZ_TIME}s"
exit 0
