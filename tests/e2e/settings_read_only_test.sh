#!/usr/bin/env bash
# Settings that can be read but not saved anywhere, as for a standard user whose system
# directory and own settings folder are both closed to writing: Velkor says so once, with the
# file's path, then runs on the settings it read; a save from the settings dialog says why it
# failed, and the file stays as it was.
#   settings_read_only_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe
set -u -o pipefail
prefix=$2 velkor=$3 probe_exe=$4
source "$(dirname "$0")/../win/standard_user_prefix.sh"
if [ "$(id -u)" != 0 ]; then
    echo "settings_read_only_test.sh: needs root to create the test user; skipped"
    exit 77
fi
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

standard_user_prefix "$prefix"
cp "$velkor" "$work/Velkor.exe"
cp "$probe_exe" "$work/probe.exe"
chown "$standard_user" "$work/Velkor.exe" "$work/probe.exe"
probe() { as_standard_user wine "$work/probe.exe" "$@" | tr -d '\r'; }

# The user's profile comes with its first Wine run; its settings folder belongs to root, and
# so does the settings file in it (the timer switched on at start, to see it was read).
as_standard_user wine cmd /c echo >/dev/null
folder="$user_prefix/drive_c/users/$standard_user/AppData/Roaming/Velkor"
mkdir -p "$folder"
printf '%s\r\n' 09182819000081100092938191 0 0 0 0 0 1 0021 0 0 1 0 0 0031 0 1 0 0042 \
    06:30:00 01.01.2004 Montag 20 100 4000 'C:\' 0 0 >"$folder/VK8Settings.ini"
chown root:root "$folder" "$folder/VK8Settings.ini"
chmod 755 "$folder"
chmod 644 "$folder/VK8Settings.ini"
before=$(md5sum <"$folder/VK8Settings.ini")

as_standard_user env LC_ALL=de_DE.UTF-8 wine "$work/Velkor.exe" &
velkor_pid=$!
trap 'kill $velkor_pid 2>/dev/null; standard_user_cleanup' EXIT

shown=$(probe message-text 30) || fail "no message at start-up"
case "$shown" in
    *"schreibgeschützt"*'C:\users\velkortest\AppData\Roaming\Velkor\VK8Settings.ini'*) ;;
    *) fail "the start-up message said: $shown" ;;
esac
probe message-ok
probe wait-window Velkor 30 || fail "no main window after the message"
sleep 1.2
first=$(probe texts Velkor)
grep -A1 -x 'Shut Down Timer:' <<<"$first" | tail -1 | grep -qx On ||
    fail "the timer is not on: the settings read were not used"
sleep 1.2
[ "$(probe texts Velkor)" != "$first" ] || fail "the display stands still"

probe click Velkor "Programm Einstellungen" || fail "no settings command"
probe wait-window Einstellungen 10 || fail "the settings dialog did not open"
sleep 0.3
probe click Einstellungen "Einstellungen Speichern und verlassen" || fail "no save button"
shown=$(probe message-text 10) || fail "no message after the failed save"
case "$shown" in
    *"konnten nicht gespeichert werden"*VK8Settings.ini*) ;;
    *) fail "the failed save said: $shown" ;;
esac
probe message-ok
[ "$(md5sum <"$folder/VK8Settings.ini")" = "$before" ] || fail "the settings file changed"
[ "$(probe message-text 1)" = "" ] || fail "a second message came"
kill -0 "$velkor_pid" 2>/dev/null || fail "Velkor ended"

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "settings_read_only: all checks passed"
