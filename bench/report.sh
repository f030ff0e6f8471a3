#!/usr/bin/env bash
# Runs every measurement and writes bench/REPORT.md: per-tick cost of our own code (time and
# instructions), Velkor.exe idling under Wine against a bare timer window, start-up time,
# exe sizes and imports. A report, never a pass/fail check.
#   bench/report.sh [IDLE_SECONDS]     (default 60)
set -euo pipefail
source "$(dirname "$0")/../tools/lib/common.sh"
idle_seconds=${1:-60}
report="$VELKOR_ROOT/bench/REPORT.md"

velkor_install_build_deps
velkor_install_packages valgrind
velkor_build native >&2
velkor_build win64 mingw-w64-x86_64.cmake >&2
velkor_build win32 mingw-w64-i686.cmake Velkor >&2
native="$VELKOR_BUILD/native"
win64="$VELKOR_BUILD/win64"

# Instructions per tick: callgrind over N ticks, less the set-up alone.
instructions() {
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$out" "$native/bench/tick_instructions" "$1" "$2" \
        >/dev/null 2>&1
    awk '/^summary:/ {print $2}' "$out"
    rm -f "$out"
}
ticks=20000
none=$(instructions none "$ticks")
display=$(( ($(instructions display "$ticks") - none) / ticks ))
trigger=$(( ($(instructions trigger "$ticks") - none) / ticks ))

benchmarks=$("$native/bench/velkor_bench" --benchmark_min_time=0.2 2>/dev/null |
    awk '/^BM_/ {printf "| %s | %s %s | %s %s |\n", $1, $2, $3, $4, $5}')

idle=$("$VELKOR_ROOT/bench/idle_report.sh" "$idle_seconds" 2>/dev/null)

# Start-up: from launch to the shown main window, against the bare window, three times each.
startup() {
    local exe=$1 title=$2 total=0 i start end
    for i in 1 2 3; do
        start=$(date +%s%N)
        wine "$exe" >/dev/null 2>&1 &
        wine "$win64/tests/e2e/velkor_probe.exe" wait-window "$title" 30 >/dev/null
        end=$(date +%s%N)
        total=$((total + (end - start) / 1000000))
        wine taskkill /IM "$(basename "$exe")" /F >/dev/null 2>&1 || true
        sleep 1
    done
    echo $((total / 3))
}
velkor_prepare_prefix "$VELKOR_BUILD/bench-prefix" virtual-desktop >&2
velkor_start_xvfb
trap 'wineserver -k 2>/dev/null || true; velkor_stop_xvfb' EXIT
wineserver -p
wine wineboot >/dev/null 2>&1
velkor_startup=$(startup "$win64/Velkor.exe" Velkor)
bare_startup=$(startup "$win64/bare_timer_window.exe" "Bare timer window")

# Endurance: the Windows test that ticks the real program 102 000 times prints what the
# process holds before and after the last 100 000 ticks.
endurance=$(LC_ALL=de_DE.UTF-8 wine "$win64/tests/win/win_endurance_de_test.exe" \
    --gtest_filter='Endurance.*' 2>/dev/null | tr -d '\r')
endurance_ms=$(sed -n 's/^\[ *OK *\] .*(\([0-9]*\) ms)$/\1/p' <<<"$endurance")
endurance_counts=$(grep -E '^after' <<<"$endurance" | sed 's/^/    /')

imports() { "$1-objdump" -p "$2" | awk '/DLL Name:/ {printf "%s ", $3}'; }
size_kb() { echo $(( $(stat -c %s "$1") / 1024 )); }

cat >"$report" <<MD
# Velkor — performance report

Made by \`bench/report.sh\` on $(date -u +%Y-%m-%d) on $(nproc) cores of
"$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)" with
$(awk '/MemTotal/ {printf "%.0f GB", $2 / 1048576}' /proc/meminfo) of memory, $(wine --version 2>/dev/null).

## One tick of our own code (fake platform; Windows' own calls cost nothing here)

| tick | instructions (callgrind) |
|---|---|
| display tick \`PrgTimer_Timer\` | $display |
| trigger tick \`SDTimer_Timer\` | $trigger |

| benchmark | time | CPU |
|---|---|---|
$benchmarks

## Idle under Wine

$idle

## Start-up to the main window shown (Wine, mean of 3)

| program | milliseconds |
|---|---|
| Velkor.exe | $velkor_startup |
| bare window, two 500 ms timers | $bare_startup |

Ratio: $(awk -v v="$velkor_startup" -v b="$bare_startup" 'BEGIN {printf "%.2f", v / b}').

## Endurance: 102 000 display and trigger ticks through the real Win32 binding under Wine

From the Windows test \`win.endurance_de_test\` (every trigger on, never holding; the two-colour
background; every tick repainted). A growing count fails that test.

$endurance_counts

${endurance_ms:-?} ms in all: $(awk -v t="${endurance_ms:-0}" 'BEGIN {printf "%.0f", t * 1000 / 102000}') µs for one display tick and one trigger tick
together, Windows' own work and repainting included.

## Velkor.exe

| build | size | imports |
|---|---|---|
| x86_64 | $(size_kb "$win64/Velkor.exe") KB | $(imports x86_64-w64-mingw32 "$win64/Velkor.exe") |
| i686 | $(size_kb "$VELKOR_BUILD/win32/Velkor.exe") KB | $(imports i686-w64-mingw32 "$VELKOR_BUILD/win32/Velkor.exe") |
MD
echo "wrote $report"
