#!/usr/bin/env bash
# The heart of the program, end to end and without any power request: the time trigger set a
# few seconds ahead with the action "Programm Starten."; the user switches the timer on; the
# program starts within a second of the target time (not before it), maximised, and the timer
# is off afterwards.
#   time_trigger_program_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe launch_marker.exe
wine_exec=$1 prefix=$2 velkor=$3 probe_exe=$4 marker_exe=$5
source "$(dirname "$0")/main_window_lib.sh"

work=$(mktemp -d)
cp "$marker_exe" "$work/launch_marker.exe"
marker="$work/launch_marker.exe.ran"
windows_path="Z:${work//\//\\}\\launch_marker.exe"

keep_settings_file
trap 'stop_velkor; restore_settings_file; rm -rf "$work"' EXIT

# Wine's local time is this machine's local time.
target=$(($(date +%s) + 10))
write_settings TrigTime=1 TimeValue="$(date -d "@$target" +%H:%M:%S)" ActRunProgram=1 \
    ProgramPath="$windows_path"
start_velkor || finish time_trigger_program
click_control "Shut Down Timer ON"
[ "$(timer_state)" = On ] || fail "the timer did not switch on"
[ "$(date +%s)" -lt $((target - 1)) ] || fail "start-up took too long for this test's margin"

appeared=
while [ "$(date +%s)" -le $((target + 5)) ]; do
    if [ -f "$marker" ]; then
        appeared=$(date +%s%3N)
        break
    fi
    sleep 0.05
done
if [ -z "$appeared" ]; then
    fail "the program was not started by $(date -d "@$((target + 5))" +%T)"
else
    late=$((appeared - target * 1000))
    echo "the program ran ${late} ms after the target second began"
    [ "$late" -ge 0 ] || fail "the program started before the target time"
    [ "$late" -le 1000 ] || fail "the program started ${late} ms after the target time"
    grep -q '^show=3' "$marker" || fail "the program was not asked to start maximised"
fi
sleep 0.5
[ "$(timer_state)" = Off ] || fail "the timer is still on after firing"

finish time_trigger_program
