#!/usr/bin/env bash
# Runs a Windows test exe as an unprivileged Unix user in a private copy of the Wine prefix
# whose system directory belongs to root: there, as for a standard user on Windows, the
# system directory cannot be written. Wine running as root would write everything.
#   run_as_standard_user.sh PREFIX TEST.exe
set -eu
prefix=$1
exe=$2
user=velkortest
if [ "$(id -u)" != 0 ]; then
    echo "run_as_standard_user.sh: needs root to create the test user; skipped"
    exit 0
fi
id -u "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/sh "$user"

work=$(mktemp -d /tmp/velkor-standard-user.XXXXXX)
cleanup() {
    runuser -u "$user" -- env WINEPREFIX="$work/prefix" wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
cp -a "$prefix" "$work/prefix"
rm -f "$work/prefix/wineserver"
cp "$exe" "$work/test.exe"
chown -R "$user" "$work/prefix" "$work/test.exe"

system32="$work/prefix/drive_c/windows/system32"
chown root:root "$system32"
chmod 755 "$system32"
# A settings file from an earlier run (27 lines, trigger time 22:30:00), readable by all.
{
    printf '%s\r\n' 09182819000081100092938191 1 0 0 0 0 0 0021 0 0 1 0 0 0031 1 0 1 0042 \
        22:30:00 01.01.2004 Montag 20 100 4000 'C:\' 0 0
} >"$system32/VK8Settings.ini"
chown root:root "$system32/VK8Settings.ini"
chmod 644 "$system32/VK8Settings.ini"

cd "$work"
runuser -u "$user" -- env HOME="$(getent passwd "$user" | cut -d: -f6)" USER="$user" \
    WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    VELKOR_STANDARD_USER=1 wine "$work/test.exe"
