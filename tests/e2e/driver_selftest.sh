#!/usr/bin/env bash
# The window driver against its sample program: every step kind, the refusals a person
# would meet (disabled button, unknown item, missing window) and the exit codes that
# prove the program received what was typed, picked and pressed.
. "$(dirname "$0")/lib.sh"

title="Driver Sample"

# Usage and command-line errors come before any window is touched.
drive_fails 2
drive_fails 2 press "$title"
expect_contains "too few arguments" "$out" "wrong number of arguments"
drive_fails 2 wait "$title" soon
expect_contains "bad seconds" "$out" "not a number of seconds: soon"
drive_fails 2 jump "$title"
expect_contains "unknown step" "$out" 'unknown step "jump"'

# A window that never comes: a timeout (exit 3) naming what was awaited.
drive_fails 3 wait "No Such Window" 0.5
expect_contains "timeout message" "$out" 'waiting for window "No Such Window"'

start sample "$QUEN_SAMPLE"
drive wait "$title" 30 \; list "$title"
expect_contains "name label" "$out" $'Static\t-1\tvisible,enabled\t&Name:'
expect_contains "disabled button" "$out" $'Button\t105\tvisible,disabled\tDisabled'
expect_contains "OK button" "$out" $'Button\t1\tvisible,enabled\tOK'
expect_contains "editable combo" "$out" $'ComboBox\t107\tvisible,enabled\t'
expect_eq "controls listed (not the parts inside combo boxes)" 13 "$(printf '%s\n' "$out" | wc -l)"
drive wait --prefix "Driver Sam" 1 \; wait --contains "ver Sa" 1 \; wait --class QuenDriverSample "$title" 1
drive_fails 3 wait "Driver Sam" 0.3
drive_fails 3 wait --class "#32770" "$title" 0.3

# A person cannot press what is disabled, nor pick what is not there.
drive_fails 1 press "$title" Disabled
expect_contains "disabled refused" "$out" 'button "Disabled" in window "Driver Sample" is disabled'
drive_fails 1 pick "$title" "Colour:" Purple
expect_contains "unknown item" "$out" 'its items: "Red", "Green", "Blue"'
drive_fails 1 timeout 0.5 \; press "$title" "Apply"
expect_contains "missing button lists controls" "$out" 'Button #2 "Cancel"'
drive_fails 1 uncheck "$title" OK
expect_contains "OK is no check box" "$out" "not a check box"

# OK without a name: a message box with the main window's title; the enabled window
# (the box) is the one found, and its OK closes only the box.
drive press "$title" "&OK" \; msgbox "$title" \; press "$title" OK \; gone --class "#32770" "$title" 5
expect_eq "empty name message" "Please type a name." "$out"

# Typing goes key by key: the field's 20-character limit holds; text is UTF-8 both ways.
drive type "$title" "&Name" "Zoë Müller-Lüdenscheid-Berg" \; text "$title" "Name:" \
  \; type "$title" "#101" "Zoë" \; text "$title" "Edit:1"
expect_eq "typed text" $'Zoë Müller-Lüdensche\nZoë' "$out"

# A combo box with an edit field takes typing as well as picking.
drive type "$title" "Town:" "Zürich" \; text "$title" "Town" \; pick "$title" "&Town" Basel \; text "$title" "#107"
expect_eq "editable combo" $'Zürich\nBasel' "$out"
drive_fails 1 type "$title" "Colour:" "Teal"
expect_contains "drop-down list refuses typing" "$out" "without an edit field; use pick"

# Picks reach the program: its status line shows what its notifications saw.
drive pick "$title" "Colour" Green \; pick "$title" "Size:" Small \; pick "$title" "Size:" Large \
  \; text "$title" "#106" \; text "$title" "Size" \; items "$title" "ComboBox:1"
expect_eq "picked" $'Colour: Green, size: Large\nLarge\nRed\nGreen\nBlue' "$out"

drive check "$title" "&Loud" \; uncheck "$title" Loud \; check "$title" Loud \; check "$title" Loud \; list "$title"
expect_contains "check box checked" "$out" $'Button\t104\tvisible,enabled,checked'

screenshot "$QUEN_E2E_OUT/shots/driver_sample.png"

drive press "$title" OK \; msgbox "Driver Sample Result" \; press "Driver Sample Result" OK \; gone "$title"
expect_eq "result message" $'Hello, Zoë!\nColour: Green' "$out"
# 64 + Green 1 + 4 * Large 2 + 16 * loud
expect_exit sample 89

# Menus by access keys: a command runs; a missing item or menu fails and leaves no
# menu open (the next command still works); File > Exit ends with 4.
start sample "$QUEN_SAMPLE"
drive wait "$title" 30 \; menu "$title" "&File" "&Greet" \; text "$title" "#106"
expect_eq "menu command ran" "Greeted" "$out"
drive_fails 1 menu "$title" "&File" "&Nothing"
expect_contains "missing menu item" "$out" 'menu item "&File > &Nothing" did not run'
drive_fails 1 timeout 2 \; menu "$title" "&Edit" "&Undo"
expect_contains "missing menu" "$out" 'menu "&Edit" did not open'
drive_fails 2 menu "$title" "File" "Exit"
expect_contains "caption without access key" "$out" "has no access key"
drive menu "$title" "&File" "E&xit"
expect_exit sample 4

# Escape in the window is Cancel (2); a close request ends it with 3.
start sample "$QUEN_SAMPLE"
drive wait "$title" 30 \; key "$title" Escape \; gone "$title"
expect_exit sample 2
start sample "$QUEN_SAMPLE"
drive wait "$title" 30 \; close "$title" \; exited QuenDriverSample.exe 10
expect_eq "exit code seen by the driver" 3 "$out"
expect_exit sample 3

finish
