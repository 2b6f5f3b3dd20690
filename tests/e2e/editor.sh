#!/usr/bin/env bash
# The editor as a person uses it, from the main window: the sample's old and new folders
# paired through the add dialog and a file dropped from Explorer, kinds and directories
# changed, bytes and INI keys defined in their dialogs, ghosted rows and status texts, a
# refused make, the project saved, started anew and opened again (also from the command
# line), a stand-alone script and a patch executable made in the make dialog (behind the
# about box, the program's CD being in a drive) and applied, a make that fails, and the
# media control stepping through the CD's tracks.
. "$(dirname "$0")/lib.sh"
need_dist
e2e_setup

S=$E2E_RUN/sample made=$E2E_RUN/made prj=$E2E_RUN/mine.prj
"$E2E_ROOT/samples/demo/make-sample.sh" "$S" >/dev/null || { fail "the sample was not made"; finish; }
mkdir -p "$made"
W() { winpath "$1"; }
main="Quenlark - Untitled" list=SysListView32:1 shots=$QUEN_E2E_OUT/shots
panels() { drive panels "$main"; panel_text=$(tr '\n' '|' <<<"$out"); }
rows() { drive rows "${2:-$main}" "$list"; rows=$(cut -f"$1" <<<"$out" | tr '\t\n' ' |'); }

# A copy of the program folder: the first start writes to the settings file, and the
# shipped folder must stay as built.
cp -r "$QUEN_DIST" "$E2E_RUN/prog"
# The program's CD in drive R: with the CD extra option on, makes run behind the about box.
cd_drive
sed -i 's/^CDExtraPatch=0/CDExtraPatch=1/; s/^CD_COUNT=0/CD_COUNT=1/' "$E2E_RUN/prog/Quenlark.ini"
printf '\n[CD1]\nCD_ID=2139750359\nTRACK_COUNT=2\nTRACK_NAME_1=One\nTRACK_NAME_2=Two\nMPEG_COUNT=1\n' >>"$E2E_RUN/prog/Quenlark.ini"
start app "$E2E_RUN/prog/Quenlark.exe"
drive wait "$main" 30
panels; expect_eq "empty project's panels" "File Total : 0|||(hidden)||" "$panel_text"
drive_fails 1 tool "$main" Make  # nothing to make yet

# Patch File on two folders: files in both are patched, old-only ones deleted, new-only
# ones added; the first action starts in "< Me >" (Wine lists a folder sorted by name, so
# the order is fixed). A dropped file adds as the dialog does. Alt+A is the toolbar's Add,
# Del the toolbar's Delete. The caption marks unsaved changes.
drive keys "$main" "$list" "{Alt+a}" \; wait "Add Action" \; press "Add Action" "Patch File" \
  \; check "Add Action" "&Directory" \; check "Add Action" "&Include sub folder" \
  \; type "Add Action" Edit:1 "$(W "$S/old")" \; type "Add Action" Edit:2 "$(W "$S/new")" \; text "Add Action" "#2032"
expect_eq "the second Browse leaves Alt+B to the first" "Browse" "$out"
screenshot "$shots/editor-add.png"
drive press "Add Action" OK \; gone "Add Action"
main="Quenlark - Untitled *"
drive drop "$main" "$list" "$(W "$S/new/help.txt")"
rows 1-2; expect_eq "rows in action order" "app.exe < Me >|notes.txt < Previous >|obsolete.dll < Previous >|readme.txt < Previous >|settings.ini < Previous >|changes.txt < Previous >|help.txt < Previous >|help.txt < Previous >|" "$rows"
rows 3; expect_eq "folders of the rows" "$(W "$S/old")|$(W "$S/old")|$(W "$S/old")|$(W "$S/old")|$(W "$S/old")|$(W "$S/new")|$(W "$S/new")|$(W "$S/new")|" "$rows"
drive select "$main" "$list" help.txt \; keys "$main" "$list" "{Del}" \; select "$main" "$list" changes.txt \; tool "$main" Delete \
  \; select "$main" "$list" notes.txt \; text "$main" "Action : "
expect_eq "old-only file" "Delete File" "$out"
drive pick "$main" "Action : " "Rename File" \; type "$main" "New File :" "changes.txt"

# Moving: a "< Previous >" row rising above the first takes its "< Me >" and gives it
# "< Previous >"; the top row goes no higher; a ".\" row cannot lead.
drive tool "$main" "Move Up"
rows 1-2; expect_eq "moved up" "notes.txt < Me >|app.exe < Previous >|obsolete.dll < Previous >|readme.txt < Previous >|settings.ini < Previous >|help.txt < Previous >|" "$rows"
drive_fails 1 tool "$main" "Move Up"
drive tool "$main" "Move Down" \; type "$main" "Directory :" ".\\sub" \; tool "$main" "Move Up" \; msgbox Error
expect_eq "a sub folder row cannot lead" "First file directory setting can't be a sub directory (.\)." "$out"
rows 1-2; expect_contains "moved down" "$rows" "app.exe < Me >|notes.txt .\sub|obsolete.dll < Previous >|"
drive press Error OK \; gone Error

# A kind without its settings ghosts the row; a registry directory without sub key is a
# second problem; each fix clears its own.
drive select "$main" "$list" readme.txt \; pick "$main" "Action : " "Replace Byte" \; type "$main" "Directory :" "< Reg >"
panels; expect_eq "two problems" "File Total : 6|Not Ready!|Peplace bytes value without define.|Directory setting SubKey is empty!|Size :43 Bytes |" "$panel_text"
drive type "$main" "Sub : " "Software\\Quen"
panels; expect_contains "one problem, Err2 hidden" "$panel_text" "|Peplace bytes value without define.|(hidden)|"
rows 2,4; expect_contains "ghosted row" "$rows" "< Reg > ghosted"
drive select "$main" "$list" app.exe; panels; expect_contains "panels follow the row" "$panel_text" "|Ready!|Without Error!|"
drive select "$main" "$list" readme.txt
drive tool "$main" Make \; msgbox Error
expect_eq "make refused" "Error File : $(W "$S/old/readme.txt")

Peplace bytes value without define." "$out"

# The byte dialog (a double-click on the row): switching an empty address to decimal (by
# their mnemonics) raises it to the smallest one; no letters in a decimal address; the base
# switch; then a replacement typed with characters the box drops (# and .), put in form and
# added by Enter, and changed in place to the one the patch needs.
D="Define Byte"
drive press Error OK \; gone Error \; open "$main" "$list" readme.txt \; keys "$D" "Value :" "{Alt+r}{Alt+c}" \; msgbox Error
expect_eq "minimum address" "Min value is 1." "$out"
drive press Error OK \; gone Error \; text "$D" "Value :" \; type "$D" "Value :" "66ab99" \; text "$D" "Value :" \
  \; check "$D" "&Hexadecimal" \; text "$D" "Value :"
expect_eq "smallest, decimal, then hexadecimal address" $'1\n6699\n1A2B' "$out"
drive check "$D" "&Search" \; type "$D" "Value :" "31 2e 3#.0" \; type "$D" "New Value :" "39" \; keys "$D" "New Value :" "{Enter}" \
  \; type "$D" "Value :" "" \; select "$D" SysListView32:1 SEARCH \; text "$D" "Value :"
expect_eq "the chosen entry in the boxes" "31 2E 30" "$out"
drive type "$D" "New Value :" "32 2e 30" \; press "$D" "Chan&ge"
rows 1-3 "$D"; expect_eq "byte entries" "SEARCH 31 2E 30 32 2E 30|" "$rows"
screenshot "$shots/editor-define.png"
drive press "$D" "&OK" \; gone "$D" \; type "$main" "Directory :" "< Previous >"
panels; expect_contains "ready again" "$panel_text" "|Ready!|Without Error!|(hidden)|"

# INI keys: a comma would cut the definition, so the boxes drop it; a key needs a section.
I="INI Patch Setting"
drive select "$main" "$list" settings.ini \; pick "$main" "Action : " "INI Patch" \; press "$main" "Patch Setting..." \
  \; type "$I" "Section :" "Ma,in" \; type "$I" "Key :" "Version" \; type "$I" "Value :" "2.0" \; keys "$I" "Value :" "{Enter}" \
  \; type "$I" "Section :" "" \; press "$I" "&Add" \; msgbox Error
expect_eq "empty section" "Section or Key can't Empty!" "$out"
drive press Error OK \; gone Error
rows 1 "$I"; expect_eq "INI definitions" "Main,Version,2.0|" "$rows"
screenshot "$shots/editor-ini.png"

# Every action in the patch's own folder ("< Me >" of the first, applied to all). A
# further old version of the patched app.exe, added from the add dialog, shows with it.
old2=$E2E_RUN/app-0.9.exe
cp "$S/old/app.exe" "$old2" && printf 09 >>"$old2"
drive press "$I" "&OK" \; gone "$I" \; select "$main" "$list" app.exe \; press "$main" "A&pply all" \
  \; tool "$main" Add \; press "Add Action" "Patch File" \; check "Add Action" "Another old &version of the selected row" \
  \; type "Add Action" Edit:1 "$(W "$S/old/app.exe")" \; press "Add Action" OK \; msgbox Error
expect_eq "the action's own old file again" "This file is already the action's old version." "$out"
drive press Error OK \; type "Add Action" Edit:1 "$(W "$old2")" \; press "Add Action" OK \; gone "Add Action" \; text "$main" "Other old versions:"
expect_eq "old versions of the row" "$(W "$old2")" "$out"
rows 2; expect_eq "all in < Me >" "< Me >|< Me >|< Me >|< Me >|< Me >|< Me >|" "$rows"
screenshot "$shots/editor-main.png"

# Save As names the project; New empties the editor; Open brings the same rows back.
drive press "$main" "Save the project" \; wait "Save As" \; type "Save As" "File name:" "$(W "$prj")" \; press "Save As" "Save"
main="Quenlark - $(W "$prj")"
rows 1-4; saved=$rows
expect_eq "project header" "\"Dravin Project File V1.0\"" "$(head -1 "$prj" | tr -d '\r')"
drive press "$main" "New project" \; wait "Quenlark - Untitled" \; rows "Quenlark - Untitled" "$list" \; panels "Quenlark - Untitled"
expect_eq "new project: no rows, no old panels" "File Total : 0|||(hidden)||" "$(tr '\n' '|' <<<"$out")"
drive press "Quenlark - Untitled" "Open a project" \; wait "Open" \; type "Open" "File name:" "$(W "$prj")" \; press "Open" "Open" \; wait "$main"
rows 1-4; expect_eq "reopened rows" "$saved" "$rows"
drive keys "$main" "$list" "{Esc}" \; select "$main" "$list" readme.txt \; text "$main" "Action : " \; select "$main" "$list" app.exe \
  \; text "$main" "Other old versions:"
expect_eq "reopened kind after Escape, old versions" "Replace Byte
$(W "$old2")" "$out"
# Save As names the project anew.
drive press "$main" "Sa&ve As..." \; wait "Save As" \; type "Save As" "File name:" "$(W "$E2E_RUN/other.prj")" \; press "Save As" "Save"
prj=$E2E_RUN/other.prj main="Quenlark - $(W "$E2E_RUN/other.prj")"
drive wait "$main"

# The make dialog refuses an empty path and a missing folder; the save dialog offers
# scripts and appends their extension; the script leaves out what it cannot carry.
M="Make Patch"
drive tool "$main" Make \; wait "$M" \; press "$M" "&OK" \; msgbox Error
expect_eq "empty path" "File PathName Error!" "$out"
drive press Error OK \; gone Error \; type "$M" "File Name" "$(W "$made")\\nowhere\\x.qnl" \; press "$M" "&OK" \; msgbox Error
expect_eq "missing folder" "File PathName Error!" "$out"
screenshot "$shots/editor-make.png"
drive press Error OK \; gone Error \; check "$M" "Patch &Script" \; press "$M" "&Browse" \
  \; type "Save As" "File name:" "$(W "$made")\\demo" --class "#32770" \; press "Save As" "&Save" --class "#32770" \
  \; gone "Save As" 10 --class "#32770" \; press "$M" "&OK" \; msgbox Warning
expect_contains "script question" "$out" "can't carry Execute File"
drive press Warning "&Yes" \; msgbox Quenlark \; text "$M" "#3519" \; text "$M" "#3516"
expect_eq "script made, its progress (percent, sections)" $'The patch was made successfully.\n100\n4' "$out"
drive press Quenlark OK \; gone "$M"
saved=$main main="$main *"
drive tool "$main" Make \; type "$M" "File Name" "$(W "$made/DemoPatch.exe")" \; press "$M" "&OK" \
  \; close "About Quenlark" \; wait Quenlark 120 \; wait "About Quenlark" 0 \; msgbox Quenlark \; text "$M" "#3514" \; text "$M" "#3516"
expect_eq "patch executable made behind the about box that refused to close, its progress (actions, done)" $'The patch was made successfully.\n6\n6' "$out"
screenshot "$shots/editor-make-exe.png"
drive press Quenlark OK \; gone "$M"

# The script applied by Quenlark.exe from the folder it patches does all but what it
# cannot carry; the patch executable (/S) from there turns the old folder into the new.
cp -r "$S/old" "$E2E_RUN/by-script" && cp "$made/demo.qnl" "$E2E_RUN/by-script"
start script "$E2E_RUN/prog/Quenlark.exe" "$(W "$E2E_RUN/by-script/demo.qnl")"
drive press "Software Update - Welcome" "&OK"
log_when_done "Software Update - Updating files"
expect_eq "script log: four actions done" 4 "$(grep -c 'done\.$' <<<"$out")"
drive press "Software Update - Updating files" "&OK" \; press "Software Update - Finished" "&OK"
expect_exit script 0
cmp -s "$E2E_RUN/by-script/readme.txt.bak" "$S/old/readme.txt" || fail "the byte replacement kept no backup"
cp "$S/new/app.exe" "$S/new/help.txt" "$E2E_RUN/by-script"
diff -r -x demo.qnl -x '*.bak' "$E2E_RUN/by-script" "$S/new" || fail "the script did not do its part of the patch"
cp -r "$S/old" "$E2E_RUN/by-exe" && cp "$made/DemoPatch.exe" "$E2E_RUN/by-exe"
start exe "$E2E_RUN/by-exe/DemoPatch.exe" /S
expect_exit exe 0 120
diff -r -x DemoPatch.exe -x '*.bak' "$E2E_RUN/by-exe" "$S/new" || fail "the patch executable does not turn the old folder into the new"

# A make that fails says what failed, closes the dialog and leaves no output.
rm "$S/old/readme.txt"
drive tool "$main" Make \; check "$M" "Patch &Script" \; type "$M" "File Name" "$(W "$made/failed.qnl")" \
  \; press "$M" "&OK" \; press Warning "&Yes" \; msgbox Error
expect_contains "failure report" "$out" "StartMakeScript"
expect_contains "failed file named" "$out" "readme.txt"
drive press Error OK \; gone "$M"
[ -e "$made/failed.qnl" ] && fail "a failed make left its output"
rm "$S/new/help.txt"
drive select "$main" "$list" app.exe \; select "$main" "$list" help.txt; panels
expect_contains "a missing source file" "$panel_text" "|Not Ready!|Can't find the source file.|(hidden)|"
# Every toolbar command marks the project changed: logging off and closing ask before they
# discard; Cancel keeps the session from ending.
start logoff "$WINEPREFIX/drive_c/windows/system32/wineboot.exe" --end-session
drive press Warning "&Cancel" \; gone Warning \; close "$main" \; press Warning "&No"
expect_exit app 0
# A project named on the command line opens in the editor; the CD's audio plays, the
# title names its track, and the media control steps through the tracks, pauses, plays on
# (the same track), plays the next and stops.
sed -i 's/^CDAudioEnable=0/CDAudioEnable=1/' "$E2E_RUN/prog/Quenlark.ini"
start again "$E2E_RUN/prog/Quenlark.exe" "$(W "$prj")"
main=$saved
drive wait "$main - One" 30 \; press "$main - One" ">|" \; wait "$main - Two" \; press "$main - Two" "|<" \; wait "$main - One" \
  \; press "$main - One" "||" \; press "$main - One" ">" \; press "$main - One" ">" \; wait "$main - Two" \; press "$main - Two" "[]" \; wait "$main"
screenshot "$shots/editor-cd.png"
drive close "$main"
expect_exit again 0
finish
exit 0
