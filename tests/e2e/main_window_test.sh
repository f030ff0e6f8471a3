#!/usr/bin/env bash
# The real main window under Wine, seen from outside: its texts, its ticking clock, its
# colours (plain and two-colour), the info window, and no closing by Alt+F4.
#   main_window_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe
set -u
wine_exec=$1 prefix=$2 velkor=$3 probe=$4
settings="$prefix/drive_c/windows/system32/VK8Settings.ini"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
probe() { "$wine_exec" "$prefix" "$probe" "$@" 2>/dev/null | tr -d '\r'; }
stop_velkor() { "$wine_exec" "$prefix" taskkill /IM Velkor.exe /F >/dev/null 2>&1; sleep 0.5; }
trap stop_velkor EXIT

# The default settings with the two-colour option set to $1.
write_settings() {
    printf '%s\r\n' 09182819000081100092938191 1 0 0 0 0 0 0021 0 0 1 0 0 0031 "$1" 0 1 0042 \
        00:00:00 01.01.2004 Montag 20 100 4000 'C:\' 0 0 >"$settings"
}
start_velkor() {
    "$wine_exec" "$prefix" "$velkor" &
    probe wait-window Velkor 30 >/dev/null || fail "no window captioned Velkor"
    sleep 1.5  # the first display ticks
}
# Each colour component of $1 within $3 of $2 (0xBBGGRR texts).
near() {
    local a=$(($1)) b=$(($2)) limit=$3 shift
    for shift in 0 8 16; do
        local d=$(((a >> shift & 255) - (b >> shift & 255)))
        [ ${d#-} -le "$limit" ] || return 1
    done
}

stop_velkor
write_settings 1
start_velkor

texts=$(probe texts Velkor)
for expected in "Aktuelles Datum:" "Aktuelle Zeit:" "Aktueller Wochentag:" "Freier Arbeitsspeicher:" \
    "Aktuelle CPU-Auslastung:" "Internet Status:" "Shut Down Aktion:" "Herunterfahren" \
    "Shut Down Timer:" "Off" "Offline" "Shut Down Timer ON" "Shut Down Timer OFF" \
    "Programm Einstellungen" "Programm Info" "Windows Herunterfahren" "Windows Neustarten" \
    "Standbye Modus" "Benutzer Abmelden" "Programm Beenden"; do
    grep -qxF "$expected" <<<"$texts" || fail "no label \"$expected\""
done
grep -qE '^[0-9]+ %  100 Zeit$' <<<"$texts" || fail "processor label: $(sed -n 10p <<<"$texts")"
grep -qE '^[0-9]+(\.[0-9]+)? KB\.$' <<<"$texts" || fail "no free-memory figure"

# The clock ticks: the time label changes within two seconds.
first=$(probe texts Velkor | sed -n 5p)
sleep 2
second=$(probe texts Velkor | sed -n 5p)
[ -n "$first" ] && [ "$first" != "$second" ] || fail "the clock does not tick ($first, $second)"

# Two colours: the window's top row is the dark top colour, its last row near the bottom
# colour; the panel has a gradient of its own.
top=$(probe pixel Velkor 2 0)
bottom=$(probe pixel Velkor 2 215)
panel=$(probe pixel Velkor 462 16)
[ "$top" = 0xC00000 ] || fail "gradient top row is $top"
near "$bottom" 0xDAB678 3 || fail "gradient bottom row is $bottom"
[ "$panel" = 0xC00000 ] || fail "panel top row is $panel"

# The info window opens from "Programm Info", stays, and closes with OK.
probe click Velkor "Programm Info"
probe wait-text "Version 8.11" 10 >/dev/null || fail "the info window did not open"
sleep 2.5  # longer than its splash timer: it must not close by itself
probe wait-text "Version 8.11" 0 >/dev/null || fail "the info window closed by itself"
probe click-text OK
probe wait-text-gone "Version 8.11" 10 >/dev/null || fail "OK did not close the info window"

# Alt+F4 does nothing: the window has no Close command.
if command -v xdotool >/dev/null; then
    probe click Velkor "Aktuelle Zeit:"
    xdotool key alt+F4
    sleep 1
    probe wait-window Velkor 0 >/dev/null || fail "Alt+F4 closed the main window"
fi
stop_velkor

# One colour: the plain back colour.
write_settings 0
start_velkor
plain=$(probe pixel Velkor 2 100)
[ "$plain" = 0xA75938 ] || fail "plain back colour is $plain"
stop_velkor

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "main window: all checks passed"
