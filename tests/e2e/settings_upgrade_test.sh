#!/usr/bin/env bash
# A settings file of the previous version, as a user who updates meets it: the upgrade window
# shows for about three seconds, the file comes out in the current format with the user's
# values, and the main window runs.
#   settings_upgrade_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe
wine_exec=$1 prefix=$2 velkor=$3 probe_exe=$4
source "$(dirname "$0")/main_window_lib.sh"

keep_settings_file

# Lines 1 to 26 of the previous version; line 8 holds an odd section marker.
old_lines() {
    printf '%s\n' 09182819000081100092938190 0 1 0 0 0 0 0099 0 0 1 1 0 0031 0 1 0 0042 \
        22:30:00 24.12.2026 Freitag 15 60 2048 'C:\Tools\app.exe' 1
}

old_lines | sed 's/$/\r/' >"$settings"
"$wine_exec" "$prefix" "$velkor" &
velkor_pid=$!
probe wait-window "Update Velkor 8.11" 30 || fail "no upgrade window"
probe texts "Update Velkor 8.11" | grep -qx "Bitte warten sie bis das Programm die neuerungen registriert hat...." ||
    fail "the upgrade window's text"
probe wait-gone "Update Velkor 8.11" 10 || fail "the upgrade window stayed"
probe wait-window Velkor 10 || fail "the main window did not come back"
expected=$(old_lines | sed '1s/.*/09182819000081100092938191/; 8s/.*/0021/'; echo 0)
if [ "$(tr -d '\r' <"$settings")" != "$expected" ] || [ "$(grep -c $'\r$' "$settings")" != 27 ]; then
    fail "the file was not converted to 27 lines with the user's values"
    od -c "$settings" | head -20
fi
probe wait-window "Bitte Warten........" 0 && fail "the upgrade led to a first start"

finish settings_upgrade
