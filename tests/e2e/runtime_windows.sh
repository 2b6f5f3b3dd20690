#!/usr/bin/env bash
# The runtime windows as a patch user meets them: welcome and information texts and
# buttons, Cancel in the information window changes nothing (OK and the progress log:
# patchhead.sh; the end window after a stop: runtime_actions.sh).
. "$(dirname "$0")/lib.sh"
need_dist
e2e_setup

work="$E2E_RUN/files"
mkdir -p "$work"
app="$QUEN_DIST/Quenlark.exe"
script="$work/fix.qnl"
texts='WTitle=Welcome\r\nWText=First line\\nSecond line\r\nITitle=Read this\r\nIText=Info text\r\nFont=Arial\r\nFontS=10\r\nPText=Press OK to go on\r\nPatchFileTitle=Demo Patch\r\n'
# Welcome, then information, then Cancel there: no registry change, no action.
echo a >"$work/a.txt"
{ qnl 'ProcCount=1\r\nAddReg=1\r\nShowW=1\r\nShowI=1\r\n' "$texts"
  printf '[AddReg]\r\n1=HKCU,Software\\QuenE2E,Touched,1,yes\r\n[Proc1]\r\nFile=a.txt\r\nAct=4\r\nDir=Me\r\n'
} >"$script"
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
expect_eq "registry after cancel in information" "" "$(reg_data 'HKCU\Software\QuenE2E' Touched)"
expect_file "target kept after cancel" "$work/a.txt"

finish
