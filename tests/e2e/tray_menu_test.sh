#!/usr/bin/env bash
# The tray icon under the real mouse: a right click opens the menu with the main window in the
# foreground, a click elsewhere closes it, "Timer On" switches the timer on, "Minimieren"
# takes the window to the tray, a double click brings it back, and "Programm Beenden" ends
# the process at once.
#   tray_menu_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe
wine_exec=$1 prefix=$2 velkor=$3 probe_exe=$4
source "$(dirname "$0")/main_window_lib.sh"

keep_settings_file
write_settings
start_velkor || finish tray_menu

open_tray_menu && {
    [ "$(probe foreground)" = Velkor ] || fail "the main window is not in the foreground"
    xdotool mousemove 500 400 click 1
    probe wait-no-menu 3 >/dev/null || fail "a click elsewhere did not close the menu"
}

# Menu items: Info, Programm Einstellungen, -, Timer On, ... (separators are skipped).
open_tray_menu && probe menu-keys down down down return >/dev/null
sleep 0.5
[ "$(timer_state)" = On ] || fail "\"Timer On\" in the tray menu did not switch the timer on"

# From the bottom: Programm Beenden, Minimieren.
open_tray_menu && probe menu-keys up up return >/dev/null
wait_for_state minimized || fail "\"Minimieren\" left the window $(probe state Velkor)"
xdotool mousemove "$tray_x" "$tray_y" click --repeat 2 --delay 100 1
wait_for_state "normal taskbar" || fail "a double click left the window $(probe state Velkor)"

open_tray_menu && probe menu-keys up return >/dev/null
for i in $(seq 30); do velkor_running || break; sleep 0.1; done
velkor_running && fail "\"Programm Beenden\" in the tray menu left the process running"

finish tray_menu
