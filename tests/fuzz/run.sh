#!/usr/bin/env bash
# Builds the settings-reader fuzzer with clang and runs it for a number of seconds:
#   tests/fuzz/run.sh BUILD_DIR SECONDS [libFuzzer options...]
# The seed corpus in tests/fuzz/corpus/ is only read; what the fuzzer finds goes to
# BUILD_DIR/corpus/ and is reused by the next run, a crashing input to BUILD_DIR/crash-*.
# Exits 77 (a skipped test) when clang or its libFuzzer runtime is not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"
build=$(cd "$1" && pwd) seconds=$2
shift 2

if ! command -v clang++ >/dev/null; then
    echo "clang++ is not installed: fuzzing skipped"
    exit 77
fi
runtime=$(clang++ -print-file-name="libclang_rt.fuzzer-$(uname -m).a")
if [ ! -f "$runtime" ]; then
    echo "clang's libFuzzer runtime is not installed: fuzzing skipped"
    exit 77
fi

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -- --no-print-directory >"$build/build.log" 2>&1 ||
    { cat "$build/build.log"; exit 1; }
if grep -q 'warning:' "$build/build.log"; then
    cat "$build/build.log"
    exit 1
fi

mkdir -p "$build/corpus"
cd "$build"
exec ./settings_reader_fuzz -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 \
    -max_len=8192 -dict="$here/settings.dict" -artifact_prefix="$build/" \
    -print_final_stats=1 "$@" "$build/corpus" "$here/corpus"
