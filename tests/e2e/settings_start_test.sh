#!/usr/bin/env bash
# Velkor.exe and its settings file, as a user meets them: the first start writes the default
# file; a later start keeps the user's settings untouched.
#   settings_start_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe
set -u
wine_exec=$1 prefix=$2 velkor=$3 probe=$4
settings="$prefix/drive_c/windows/system32/VK8Settings.ini"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
stop_velkor() { "$wine_exec" "$prefix" taskkill /IM Velkor.exe /F >/dev/null 2>&1; sleep 0.5; }
start_velkor() {
    "$wine_exec" "$prefix" "$velkor" &
    "$wine_exec" "$prefix" "$probe" wait-window Velkor 30 || fail "no window captioned Velkor"
}
trap stop_velkor EXIT

default_file() {
    printf '%s\r\n' 09182819000081100092938191 1 0 0 0 0 0 0021 0 0 1 0 0 0031 1 0 1 0042 \
        00:00:00 01.01.2004 Montag 20 100 4000 'C:\' 0 0
}

# First start: no settings file.
stop_velkor
rm -f "$settings"
start_velkor
if ! cmp -s "$settings" <(default_file); then
    fail "first start did not write the 144-byte default file"
    od -c "$settings" 2>&1 | head -20
fi
stop_velkor

# Later start: the user's settings (an umlaut in the program path) stay as they are.
default_file | sed 's/^00:00:00/22:30:00/; s/^C:\\/C:\\Tools\\Gr\xfc\xdf/' >"$settings"
cp "$settings" "$settings.expected"
start_velkor
cmp -s "$settings" "$settings.expected" || fail "a start changed a current settings file"
rm -f "$settings.expected"

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "settings start: all checks passed"
