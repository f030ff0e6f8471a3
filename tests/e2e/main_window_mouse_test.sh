#!/usr/bin/env bash
# The command panel under the real mouse: "Shut Down Timer ON" and "OFF" switch the timer
# (the state label turns "On" in green, "Off" in red), and exactly the label under the pointer
# turns red, also when the pointer moves straight onto the next one; "Programm Beenden" ends
# the program.
#   main_window_mouse_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe SCREENSHOT_DIR
wine_exec=$1 prefix=$2 velkor=$3 probe_exe=$4 shots=$5
source "$(dirname "$0")/main_window_lib.sh"
readonly red=0x0000FF green=0x00FF00

keep_settings_file
write_settings
start_velkor || finish main_window_mouse

[ "$(timer_state)" = Off ] || fail "the timer is not off after start"
click_control "Shut Down Timer ON"
[ "$(timer_state)" = On ] || fail "clicking \"Shut Down Timer ON\" did not switch the timer on"
[ "$(pixels On $green)" -gt 0 ] || fail "\"On\" is not green"
click_control "Shut Down Timer OFF"
[ "$(timer_state)" = Off ] || fail "clicking \"Shut Down Timer OFF\" did not switch it off"
[ "$(pixels Off $red)" -gt 0 ] || fail "\"Off\" is not red"

# Hover: onto "Windows Neustarten", then 16 pixels down onto "Standbye Modus" (they touch).
read -r x y < <(probe where Velkor "Windows Neustarten")
xdotool mousemove "$x" "$y"
sleep 0.3
mkdir -p "$shots"
import -display "$DISPLAY" -window root "$shots/hover.png" 2>/dev/null
[ "$(pixels "Windows Neustarten" $red)" -gt 0 ] || fail "the hovered label is not red"
xdotool mousemove "$x" $((y + 16))
sleep 0.3
[ "$(pixels "Standbye Modus" $red)" -gt 0 ] || fail "the newly hovered label is not red"
[ "$(pixels "Windows Neustarten" $red)" -eq 0 ] || fail "the label left behind is still red"

# The panel background below the last label resets the colours.
read -r x y < <(probe where Velkor "Programm Beenden")
xdotool mousemove "$x" $((y + 12))
sleep 0.3
for label in "Standbye Modus" "Programm Beenden" "Shut Down Timer ON"; do
    [ "$(pixels "$label" $red)" -eq 0 ] || fail "\"$label\" is red over the panel background"
done

# "Programm Beenden" unloads the windows, and the program ends with the last one.
click_control "Programm Beenden"
for i in $(seq 30); do velkor_running || break; sleep 0.1; done
velkor_running && fail "\"Programm Beenden\" left the process running"

finish main_window_mouse
