#!/usr/bin/env bash
# Runs a Windows test exe as an unprivileged Unix user in a private copy of the Wine prefix
# whose system directory cannot be written (standard_user_prefix.sh).
#   run_as_standard_user.sh PREFIX TEST.exe
set -eu
source "$(dirname "$0")/standard_user_prefix.sh"
if [ "$(id -u)" != 0 ]; then
    echo "run_as_standard_user.sh: needs root to create the test user; skipped"
    exit 0
fi
standard_user_prefix "$1"
cp "$2" "$work/test.exe"
chown "$standard_user" "$work/test.exe"

# A settings file from an earlier run (27 lines, trigger time 22:30:00), readable by all.
system32="$user_prefix/drive_c/windows/system32"
{
    printf '%s\r\n' 09182819000081100092938191 1 0 0 0 0 0 0021 0 0 1 0 0 0031 1 0 1 0042 \
        22:30:00 01.01.2004 Montag 20 100 4000 'C:\' 0 0
} >"$system32/VK8Settings.ini"
chown root:root "$system32/VK8Settings.ini"
chmod 644 "$system32/VK8Settings.ini"

cd "$work"
as_standard_user env VELKOR_STANDARD_USER=1 wine "$work/test.exe"
