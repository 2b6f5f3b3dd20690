#!/usr/bin/env bash
# The editor's byte, INI and make dialogs under Wine, driven as a person would through the
# dialog host (EditorDialogs.exe): entries typed into the byte dialog (key filter, byte
# text form, minimum address, base switch) and INI definitions land in the saved project;
# the make dialog refuses a bad path, asks before leaving actions out of a script, shows
# its progress frame and makes a script and a patch executable that patches the sample.
. "$(dirname "$0")/lib.sh"
need_dist

host=$QUEN_BUILD/tests/editor/win/EditorDialogs.exe
[ -f "$host" ] || { fail "EditorDialogs.exe not built at $host"; finish; }
shots=$QUEN_E2E_OUT/shots
root=$(mktemp -d /tmp/editor-dialogs.XXXXXX)
trap 'rm -rf "$root"; e2e_cleanup' EXIT
"$E2E_ROOT/samples/demo/make-sample.sh" "$root/sample" >/dev/null || { fail "the sample was not made"; finish; }
cp -r "$QUEN_DIST" "$root/prog"
prog=$(winpath "$root/prog")
cp "$root/sample/demo.prj" "$root/edit.prj"
edit=$(winpath "$root/edit.prj")
mkdir "$root/out"

# --- byte dialog on action 3 (Replace Byte readme.txt)
D="Define Byte"
start define "$host" define "$prog" "$edit" 3
drive wait "$D" 20 \; type "$D" "Value :" "4d 5a 9" \; type "$D" "New Value :" "f#.f" \; press "$D" "&Add"
drive text "$D" "Value :" \; text "$D" "New Value :"
expect_eq "search bytes normalised, # and . dropped" $'4D 5A 09\nFF' "$out"
drive check "$D" "Search a&ll" \; press "$D" "&Add" \; check "$D" "&Address" \; check "$D" "&Decimal" \
  \; type "$D" "Value :" "0" \; press "$D" "&Add"
drive msgbox "Error"
expect_eq "minimum address" "Min value is 1." "$out"
drive press "Error" "OK" \; gone "Error" \; type "$D" "Value :" "66ab99" \; text "$D" "Value :"
expect_eq "no letters in a decimal address" "6699" "$out"
drive check "$D" "&Hexadecimal" \; text "$D" "Value :"
expect_eq "base switch" "1A2B" "$out"
drive press "$D" "&Add" \; check "$D" "Don't check the source file"
screenshot "$shots/editor_dialogs-define.png"
drive press "$D" "&OK"
expect_exit define 0
expect_eq "byte dialog result" "changed=1 modified=1" "$(tr -d '\r' <"$E2E_RUN/define.out")"
python3 - "$root/edit.prj" >"$root/bytes.txt" <<'PY'
import sys
lines = open(sys.argv[1], 'rb').read().decode('latin-1').split('\r\n')
i = lines.index('"1"')          # the first entry's type; the count is the line before
n = int(lines[i - 1])
print(n, *lines[i:i + 3 * n + 2])  # then FilePath and NoSourceCheck
PY
expect_eq "stored entries" '5 "1" "31 2E 30" "32 2E 30" "1" "4D 5A 09" "FF" "2" "4D 5A 09" "FF" "3" "1 (1)" "FF" "3" "1A2B (6699)" "FF" "" 1' "$(cat "$root/bytes.txt")"

# --- INI dialog on action 4 (settings.ini)
I="INI Patch Setting"
start ini "$host" ini "$prog" "$edit" 4
drive wait "$I" 20 \; type "$I" "Section :" "Opt,ions" \; type "$I" "Key :" "Path" \; type "$I" "Value :" 'C:\Game' \
  \; press "$I" "&Add" \; type "$I" "Key :" "Gone" \; pick "$I" "Value :" "< Delete >" \; press "$I" "&Add" \
  \; type "$I" "Section :" "" \; press "$I" "&Add"
drive msgbox "Error"
expect_eq "empty section" "Section or Key can't Empty!" "$out"
drive press "Error" "OK" \; gone "Error"
screenshot "$shots/editor_dialogs-ini.png"
drive press "$I" "&OK"
expect_exit ini 0
expect_contains "stored INI definitions" "$(tr -d '\r' <"$root/edit.prj" | tr '\n' ' ')" \
  '3 "Main,Version,2.0" "Options,Path,C:\Game" "Options,Gone,%Kill%"'

# --- make dialog: a bad path, then a stand-alone script (the question answered Yes)
M="Make Patch"
start script "$host" make "$prog" "$(winpath "$root/sample/demo.prj")"
drive wait "$M" 20
screenshot "$shots/editor_dialogs-make.png"
drive press "$M" "&OK"
drive msgbox "Error"
expect_eq "empty path" "File PathName Error!" "$out"
drive press "Error" "OK" \; gone "Error" \; type "$M" "File Name" "$(winpath "$root/out")\\nowhere\\x.qnl" \; press "$M" "&OK"
drive msgbox "Error"
expect_eq "missing folder" "File PathName Error!" "$out"
# The save dialog offers scripts and appends their extension.
drive press "Error" "OK" \; gone "Error" \; check "$M" "Patch &Script" \; press "$M" "&Browse" \
  \; type "Save As" "File name:" "$(winpath "$root/out")\\demo" --class "#32770" \; press "Save As" "&Save" --class "#32770" \
  \; gone "Save As" 10 --class "#32770" \; press "$M" "&OK"
drive msgbox "Warning"
expect_contains "script question" "$out" "can't carry Execute File"
drive press "Warning" "&Yes" \; msgbox "Quenlark"
expect_eq "script made" "The patch was made successfully." "$out"
screenshot "$shots/editor_dialogs-make-script.png"
drive text "$M" "#3519" \; text "$M" "#3516"
expect_eq "script progress (percent, sections)" $'100\n4' "$out"
drive press "Quenlark" "OK"
expect_exit script 0
expect_contains "script sections" "$(cat "$root/out/demo.qnl" 2>/dev/null)" "ProcCount=4"

# --- make dialog: the patch executable, applied silently to a copy of the old folder
start exe "$host" make "$prog" "$(winpath "$root/sample/demo.prj")"
drive wait "$M" 20 \; type "$M" "File Name" "$(winpath "$root/out/DemoPatch.exe")" \; press "$M" "&OK" \
  \; wait "Quenlark" 120 \; msgbox "Quenlark"
expect_eq "patch executable made" "The patch was made successfully." "$out"
screenshot "$shots/editor_dialogs-make-exe.png"
drive text "$M" "#3512" \; text "$M" "#3514" \; text "$M" "#3516"
expect_eq "progress frame" "$(winpath "$root/out/DemoPatch.exe")"$'\n6\n6' "$out"
drive press "Quenlark" "OK"
expect_exit exe 0
cp -r "$root/sample/old" "$root/target"
start apply "$root/out/DemoPatch.exe" /S "/D=$(winpath "$root/target")"
expect_exit apply 0 120
diff -r "$root/target" "$root/sample/new" >/dev/null || fail "the made patch does not turn the old folder into the new"

# --- a make that fails says what failed, closes the dialog and leaves no output
rm "$root/sample/old/readme.txt"
start failed "$host" make "$prog" "$(winpath "$root/sample/demo.prj")"
drive wait "$M" 20 \; check "$M" "Patch &Script" \; type "$M" "File Name" "$(winpath "$root/out/failed.qnl")" \
  \; press "$M" "&OK" \; press "Warning" "&Yes" \; msgbox "Error"
expect_contains "failure report" "$out" "StartMakeScript"
expect_contains "failed file named" "$out" "readme.txt"
drive press "Error" "OK"
expect_exit failed 0
[ -e "$root/out/failed.qnl" ] && fail "a failed make left its output"
finish
