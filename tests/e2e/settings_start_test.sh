#!/usr/bin/env bash
# Velkor.exe and its settings file, as a user meets them: the first start shows its progress
# window with the main window disabled, then writes the default file and runs; a later start
# keeps the user's settings untouched.
#   settings_start_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe
wine_exec=$1 prefix=$2 velkor=$3 probe_exe=$4
source "$(dirname "$0")/main_window_lib.sh"
first_start="Bitte Warten........"

# The main window's clock label (the second status value).
clock_text() { probe texts Velkor | grep -E '^[0-9]{1,2}:[0-9]{2}:[0-9]{2}' | head -1; }

default_file() {
    printf '%s\r\n' 09182819000081100092938191 1 0 0 0 0 0 0021 0 0 1 0 0 0031 1 0 1 0042 \
        00:00:00 01.01.2004 Montag 20 100 4000 'C:\' 0 0
}

keep_settings_file

# First start: no settings file.
rm -f "$settings"
start_velkor
probe wait-window "$first_start" 30 || fail "no first-start window"
sleep 1
[ "$(probe enabled Velkor)" = 0 ] || fail "the main window takes input during the first start"
probe close "$first_start"
sleep 1.5
probe wait-window "$first_start" 0 || fail "the first-start window's close box closed it"
# The main window's display timer keeps running while the sequence pauses.
before=$(clock_text)
sleep 1.5
[ -n "$before" ] && [ "$before" != "$(clock_text)" ] ||
    fail "the main window's clock stood still during the first start ($before)"
[ -e "$settings" ] && fail "the default file was written before the sequence ended"
probe wait-gone "$first_start" 30 || fail "the first-start window stayed"
probe wait-window Velkor 10 || fail "the main window did not come back"
if ! cmp -s "$settings" <(default_file); then
    fail "first start did not write the 144-byte default file"
    od -c "$settings" 2>&1 | head -20
fi
[ "$(probe enabled Velkor)" = 1 ] || fail "the main window is still disabled after the first start"
stop_velkor

# Later start: the user's settings (an umlaut in the program path) stay as they are.
default_file | sed 's/^00:00:00/22:30:00/; s/^C:\\/C:\\Tools\\Gr\xfc\xdf/' >"$settings"
cp "$settings" "$settings.expected"
start_velkor
probe wait-window "$first_start" 0 && fail "a current file led to a first start"
cmp -s "$settings" "$settings.expected" || fail "a start changed a current settings file"
rm -f "$settings.expected"

finish settings_start
