#!/usr/bin/env bash
# Velkor.exe idling under Wine next to the floor (a bare window with two 500 ms timers),
# started the same way at the same time: CPU time and resident memory after N seconds, and
# their ratios. A report, never a pass/fail check.
#   bench/idle_report.sh [SECONDS]      (default 60; prints the report on stdout)
set -euo pipefail
source "$(dirname "$0")/../tools/lib/common.sh"
seconds=${1:-60}

velkor_install_build_deps
velkor_build win64 mingw-w64-x86_64.cmake Velkor velkor_probe bare_timer_window >&2
win64="$VELKOR_BUILD/win64"
velkor_prepare_prefix "$VELKOR_BUILD/bench-prefix" virtual-desktop >&2
cleanup() {
    wineserver -k 2>/dev/null || true
    velkor_stop_xvfb
}
trap cleanup EXIT
velkor_start_xvfb
wineserver -p
wine wineboot >/dev/null 2>&1

# The default settings (two colours on, timer off): Velkor as it runs after its first start.
printf '%s\r\n' 09182819000081100092938191 1 0 0 0 0 0 0021 0 0 1 0 0 0031 1 0 1 0042 \
    00:00:00 01.01.2004 Montag 20 100 4000 'C:\' 0 0 \
    >"$WINEPREFIX/drive_c/windows/system32/VK8Settings.ini"

# The Linux process that runs a Windows exe in this prefix: its command line is the exe's
# Windows path (other prefixes on the machine may run the same exe).
pid_of() {
    local pid
    for pid in $(pgrep -f -- "$1\$"); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return
        fi
    done
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

wine "$win64/Velkor.exe" &
wine "$win64/bare_timer_window.exe" &
wine "$win64/tests/e2e/velkor_probe.exe" wait-window Velkor 30 >/dev/null
wine "$win64/tests/e2e/velkor_probe.exe" wait-window "Bare timer window" 30 >/dev/null
sleep 3  # past start-up
velkor=$(pid_of 'Velkor.exe')
floor=$(pid_of 'bare_timer_window.exe')
velkor_start=$(cpu_ticks "$velkor")
floor_start=$(cpu_ticks "$floor")
sleep "$seconds"
velkor_cpu=$(($(cpu_ticks "$velkor") - velkor_start))
floor_cpu=$(($(cpu_ticks "$floor") - floor_start))
velkor_rss=$(rss_kb "$velkor")
floor_rss=$(rss_kb "$floor")
hz=$(getconf CLK_TCK)

awk -v s="$seconds" -v hz="$hz" -v vc="$velkor_cpu" -v fc="$floor_cpu" -v vr="$velkor_rss" \
    -v fr="$floor_rss" 'BEGIN {
    printf "Idle for %d s under Wine (CPU in clock ticks of 1/%d s; memory resident):\n", s, hz
    printf "| program | CPU time | CPU share of one core | resident memory |\n"
    printf "|---|---|---|---|\n"
    printf "| Velkor.exe | %d ticks | %.3f %% | %.1f MB |\n", vc, 100 * vc / hz / s, vr / 1024
    printf "| bare window, two 500 ms timers | %d ticks | %.3f %% | %.1f MB |\n", fc, 100 * fc / hz / s, fr / 1024
    printf "\nCPU ratio (floor counted as at least one tick): %.2f; target at most 1.2.\n", vc / (fc > 0 ? fc : 1)
    printf "Memory: Velkor.exe uses %.1f MB more than the floor; target at most 2 MB.\n", (vr - fr) / 1024
}'
