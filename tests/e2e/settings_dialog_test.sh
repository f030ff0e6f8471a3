#!/usr/bin/env bash
# The settings dialog of the real Velkor.exe, used as a person would: opened from the main
# window, a refused combination explained, a good one saved to the file, the program picker
# cancelled and used, the close box leaving without saving.
#   settings_dialog_test.sh WINE_EXEC PREFIX Velkor.exe velkor_probe.exe
wine_exec=$1 prefix=$2 velkor=$3 probe_exe=$4
source "$(dirname "$0")/main_window_lib.sh"
dialog=Einstellungen
picker="Programm auswählen"
save="Einstellungen Speichern und verlassen"

keep_settings_file
click() { probe click "$@" || fail "nothing to click: $*"; }
open_dialog() {
    click Velkor "Programm Einstellungen"
    probe wait-window "$dialog" 10 || fail "the settings dialog did not open"
    sleep 0.3
}
# expect_message CAPTION_AND_TEXT: the message box that comes up says exactly this; OK closes it.
expect_message() {
    local shown
    shown=$(probe message-text 10) || { fail "no message box (expected: $1)"; return; }
    [ "$shown" = "$1" ] || fail "message box said: $shown"
    probe message-ok
    sleep 0.3
}
# Chooses C:\windows\notepad.exe in the program picker, opened from the dialog.
choose_notepad() {
    click "$dialog" "Programm Auswählen"
    probe wait-window "$picker" 10 || fail "the program picker did not open"
    probe set-item-text "$picker" 1148 'C:\windows\notepad.exe'
    probe command "$picker" 1
    probe wait-gone "$picker" 10 || fail "the program picker did not take an existing program"
}
# line N: line N of the settings file.
line() { sed -n "$1p" "$settings" | tr -d '\r'; }

write_settings TrigTime=1
cp "$settings" "$settings.before"
start_velkor || finish settings_dialog

open_dialog
texts=$(probe texts "$dialog")
for text in Aktionen Abfrage Programm "Datum, Uhrzeit, Wochentag" "CPU, RAM, Programm" \
    "Nach Freien Ramspeicher" "Wenn die CPU Auslastung unter" "Programm Auswählen" "00:00:00" \
    'C:\' "Einstellungen nicht Speichern verlassen"; do
    grep -qxF "$text" <<<"$texts" || fail "the dialog shows no \"$text\""
done

# CPU together with the time of day: refused, with the whole explanation; nothing written.
click "$dialog" "Nach CPU Auslastung"
click "$dialog" "$save"
expect_message "Velkor
Einstellung nicht Möglich.
Möglich
CPU
RAM
UHR & DATUM
UHR & Wochentag"
probe wait-window "$dialog" 0 || fail "the dialog closed after a refused save"
cmp -s "$settings" "$settings.before" || fail "a refused save changed the file"
rm -f "$settings.before"

# Time with date is fine; the picker cancelled empties the program path.
click "$dialog" "Nach CPU Auslastung"
click "$dialog" "Nach Datum"
click "$dialog" "Programm Auswählen"
probe wait-window "$picker" 10 || fail "the program picker did not open"
probe command "$picker" 2
probe wait-gone "$picker" 10 || fail "the program picker stayed after Cancel"
click "$dialog" "$save"
expect_message "Velkor
Alle daten Gespeichert."
probe wait-gone "$dialog" 10 || fail "the dialog stayed open after saving"
[ "$(line 9)$(line 11)$(line 12)" = 011 ] || fail "the triggers were not saved"
[ "$(line 25)" = "" ] || fail "the cancelled picker left the path $(line 25)"
[ "$(wc -l <"$settings")" = 27 ] || fail "the saved file has not 27 lines"

# A program chosen, then the close box: nothing saved.
open_dialog
choose_notepad
probe texts "$dialog" | grep -qxF 'C:\windows\notepad.exe' || fail "the chosen path is not in the box"
probe close "$dialog"
probe wait-gone "$dialog" 10 || fail "the close box did not close the dialog"
[ "$(line 25)" = "" ] || fail "closing without saving stored the path"

# Chosen and saved without two colours: the main window comes back in its plain colour.
open_dialog
choose_notepad
click "$dialog" "Programm 2 Farbig Darstellen."
click "$dialog" "$save"
expect_message "Velkor
Alle daten Gespeichert."
probe wait-gone "$dialog" 10 || fail "the dialog stayed open after saving"
[ "$(line 25)" = 'C:\windows\notepad.exe' ] || fail "the chosen program was not saved: $(line 25)"
[ "$(line 15)" = 0 ] || fail "the two-colour option was not saved"
probe wait-window Velkor 10 || fail "the main window did not come back"
sleep 1
[ "$(probe pixel Velkor 200 5)" = 0xA75938 ] || fail "the main window is not plain after the reload"

finish settings_dialog
