# Shared steps of the main-window end-to-end tests, sourced by them: write the settings file,
# start and stop Velkor.exe in the test prefix, and act on its window as a person does, with
# real pointer input (xdotool on the Xvfb display) and velkor_probe to look.
# The sourcing script sets: wine_exec prefix velkor probe_exe.
set -u -o pipefail

settings="$prefix/drive_c/windows/system32/VK8Settings.ini"
tray_x=1014 tray_y=758  # the newest tray icon in the 1024x768 virtual desktop
failures=0
velkor_pid=

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

probe() { "$wine_exec" "$prefix" "$probe_exe" "$@" | tr -d '\r'; }

# write_settings KEY=VALUE...: the default settings file with these lines changed, every action
# and trigger off unless named. No power action is ever switched on here.
write_settings() {
    declare -A value=(
        [ActShutdown]=0 [ActReboot]=0 [ActLogoff]=0 [ActStandby]=0 [ActHangUp]=0
        [ActRunProgram]=0 [TrigCpu]=0 [TrigRam]=0 [TrigTime]=0 [TrigDate]=0 [TrigWeekday]=0
        [OptTwoColour]=1 [OptTimerAtStart]=0 [OptHangUpFirst]=0 [TimeValue]=00:00:00
        [DateValue]=01.01.2004 [WeekdayValue]=Montag [CpuPercent]=20 [CpuSeconds]=100
        [RamKB]=4000 [ProgramPath]='C:\' [OptKeepTimerOn]=0 [OptStartMinimized]=0)
    local pair
    for pair in "$@"; do value[${pair%%=*}]=${pair#*=}; done
    case " $* " in *" ActShutdown=1"* | *" ActReboot=1"* | *" ActLogoff=1"* | *" ActStandby=1"*)
        echo "refusing a power action in the shared prefix" >&2
        exit 2 ;;
    esac
    printf '%s\r\n' 09182819000081100092938191 "${value[ActShutdown]}" "${value[ActReboot]}" \
        "${value[ActLogoff]}" "${value[ActStandby]}" "${value[ActHangUp]}" \
        "${value[ActRunProgram]}" 0021 "${value[TrigCpu]}" "${value[TrigRam]}" \
        "${value[TrigTime]}" "${value[TrigDate]}" "${value[TrigWeekday]}" 0031 \
        "${value[OptTwoColour]}" "${value[OptTimerAtStart]}" "${value[OptHangUpFirst]}" 0042 \
        "${value[TimeValue]}" "${value[DateValue]}" "${value[WeekdayValue]}" \
        "${value[CpuPercent]}" "${value[CpuSeconds]}" "${value[RamKB]}" "${value[ProgramPath]}" \
        "${value[OptKeepTimerOn]}" "${value[OptStartMinimized]}" >"$settings"
}

start_velkor() {
    "$wine_exec" "$prefix" "$velkor" &
    velkor_pid=$!
    probe wait-window Velkor 30 >/dev/null || { fail "no window captioned Velkor"; return 1; }
    sleep 0.5  # the first display tick
}

velkor_running() { [ -n "$velkor_pid" ] && kill -0 "$velkor_pid" 2>/dev/null; }

# Ends the Velkor.exe this test started (its Unix process), and only that one.
stop_velkor() {
    velkor_running || return 0
    kill "$velkor_pid" 2>/dev/null
    local i
    for i in $(seq 50); do velkor_running || break; sleep 0.1; done
    velkor_running && kill -9 "$velkor_pid" 2>/dev/null
    wait "$velkor_pid" 2>/dev/null
    velkor_pid=
}

# Keeps the settings file of the prefix as it was before the test.
keep_settings_file() {
    saved_settings=$(mktemp)
    if [ -f "$settings" ]; then cp "$settings" "$saved_settings"; else rm -f "$saved_settings"; fi
    trap 'stop_velkor; restore_settings_file' EXIT
}
restore_settings_file() {
    if [ -f "$saved_settings" ]; then mv "$saved_settings" "$settings"; else rm -f "$settings"; fi
}

# The text of the timer state label (the value beside "Shut Down Timer:").
timer_state() { probe texts Velkor | grep -A1 -x 'Shut Down Timer:' | tail -1; }

# Waits up to 5 s for the main window's state (velkor_probe state) to read STATE.
wait_for_state() {
    local i
    for i in $(seq 50); do
        [ "$(probe state Velkor)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

# Pixels of colour 0xBBGGRR in the control showing TEXT.
pixels() { probe count-colour Velkor "$1" "$2"; }

# A real left click on the centre of the control showing TEXT.
click_control() {
    local xy
    xy=$(probe where Velkor "$1") || { fail "no control \"$1\""; return 1; }
    xdotool mousemove $xy click 1
    sleep 0.5  # a timer tick or two
}

# A real right click on the tray icon; waits for the menu.
open_tray_menu() {
    xdotool mousemove "$tray_x" "$tray_y" click 3
    probe wait-menu 5 >/dev/null || { fail "the tray menu did not open"; return 1; }
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failed"
        exit 1
    fi
    echo "$1: all checks passed"
}
