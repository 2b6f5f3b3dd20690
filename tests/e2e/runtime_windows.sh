#!/usr/bin/env bash
# The runtime windows as a patch user meets them: welcome and information texts and
# buttons, Cancel in the information window changes nothing, the information window alone
# comes first (the end window after a stop, and after skipped failures: runtime_actions.sh).
. "$(dirname "$0")/lib.sh"
need_dist
e2e_setup

work="$E2E_RUN/files"
mkdir -p "$work"
app="$QUEN_DIST/Quenlark.exe"
script="$work/fix.qnl"
texts='WTitle=Welcome\r\nWText=First line\\nSecond line\r\nITitle=Read this\r\nIText=Info text\r\nFont=Arial\r\nFontS=10\r\nPText=Press OK to go on\r\nPatchFileTitle=Demo Patch\r\n'
# write_script SETUP TEXT ACTIONS COUNT: every run also adds a registry value.
write_script() {
  { qnl "ProcCount=$4\r\nAddReg=1\r\nPRI=0\r\nERI=0\r\n$1" "$texts$2"
    printf '[AddReg]\r\n1=HKCU,Software\\QuenlarkE2E,Touched,1,yes\r\n%b' "$3"; } >"$script"
}
touched() { [ -n "$(reg_data 'HKCU\Software\QuenlarkE2E' Touched)" ] && echo yes || echo no; }
delete_a='[Proc1]\r\nFile=a.txt\r\nAct=4\r\nDir=Me\r\n'

# Welcome, then information, then Cancel there: no registry change, no action.
echo a >"$work/a.txt"
write_script 'ShowW=1\r\nShowI=1\r\nShowE=1\r\n' 'CWhenError=False\r\n' "$delete_a" 1
start run "$app" "$(winpath "$script")"
drive wait "Demo Patch - Welcome" 30 \; text "Demo Patch - Welcome" Edit:1
expect_eq "welcome text with line break" "First line
Second line" "$out"
drive list "Demo Patch - Welcome"
expect_contains "prompt label" "$out" "Press OK to go on"
expect_contains "cancel button" "$out" "Cancel"
screenshot "$E2E_SHOTS/runtime-welcome.png"
drive press "Demo Patch - Welcome" About \; wait "Quenlark" 10 \; msgbox "Quenlark"
expect_contains "about box" "$out" "Quenlark 1.0"
drive press "Quenlark" OK \; press "Demo Patch - Welcome" OK \; wait "Demo Patch - Read this" 20
drive text "Demo Patch - Read this" Edit:1
expect_eq "information text" "Info text" "$out"
drive press "Demo Patch - Read this" Cancel
expect_exit run 3
expect_eq "registry after cancel in information" no "$(touched)"
expect_file "target kept after cancel" "$work/a.txt"

# The information window alone comes first when there is no welcome window.
write_script 'ShowI=1\r\nShowE=0\r\n' 'CWhenError=False\r\n' "$delete_a" 1
start run "$app" "$(winpath "$script")"
drive wait "Demo Patch - Read this" 30
drive_fails 3 wait "Demo Patch - Welcome" 0.5
screenshot "$E2E_SHOTS/runtime-information.png"
drive press "Demo Patch - Read this" OK \; wait "Demo Patch - Log" 20
log_when_done "Demo Patch - Log"
expect_contains "progress log line" "$out" "DEL $(winpath "$work")\\a.txt OK!"
screenshot "$E2E_SHOTS/runtime-progress.png"
drive press "Demo Patch - Log" OK \; gone "Demo Patch - Log" 10
expect_exit run 0
expect_eq "registry phase ran" yes "$(touched)"
[ -e "$work/a.txt" ] && fail "a.txt was not deleted"

finish
