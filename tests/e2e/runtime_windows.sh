#!/usr/bin/env bash
# The runtime windows as a patch user meets them: welcome and information texts and
# buttons, Cancel in the information window changes nothing, the information window alone comes
# first, the progress log cannot be closed early, and the end window after skipped and
# after stopping failures.
. "$(dirname "$0")/lib.sh"
need_dist
e2e_setup

work="$E2E_RUN/files"
mkdir -p "$work"
app="$QUEN_DIST/Quenlark.exe"
script="$work/fix.qnl"

# A script: $1 = extra [Setup] lines, $2 = extra [Text] lines, $3 = action sections.
write_script() {
  local count=$4
  {
    printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=%s\r\nAddReg=1\r\nPRI=0\r\nERI=0\r\n%b' "$count" "$1"
    printf '[Text]\r\nWTitle=Welcome\r\nWText=First line\\nSecond line\r\nITitle=Read this\r\nIText=Info text\r\n'
    printf 'ETitle=Finished\r\nEText=All went well\r\nFont=Arial\r\nFontS=10\r\nPText=Press OK to go on\r\n'
    printf 'OnPatch=Patching now\r\nOK=OK\r\nCANCEL=Cancel\r\nAbout=About\r\nSFD=Checksum differs\r\n'
    printf 'FNF=File not found\r\nERR=Patch error\r\nPatchFail=The patch failed\r\nBrokenWarn=Some parts were skipped\r\n'
    printf 'MakeBKFile=True\r\nShowRun=True\r\nstrDelFile=Delete\r\nstrPatchINI=INI\r\nstrRenFile=Rename\r\n'
    printf 'strPatchByte=Bytes\r\nstrSuccess=done\r\nPatchFileTitle=Demo Patch\r\n%b' "$2"
    printf '[AddReg]\r\n1=HKCU,Software\\QuenlarkE2E,Touched,1,yes\r\n'
    printf '%s' "$3"
  } >"$script"
}
touched() { "$E2E_WINE_RUN" reg query 'HKCU\Software\QuenlarkE2E' /v Touched >/dev/null 2>&1 && echo yes || echo no; }
delete_a='[Proc1]\r\nFile=a.txt\r\nAct=4\r\nDir=Me\r\n'

# Welcome, then information, then Cancel there: no registry change, no action.
echo a >"$work/a.txt"
write_script 'ShowW=1\r\nShowI=1\r\nShowE=1\r\n' 'CWhenError=False\r\n' "$(printf "$delete_a")" 1
start run "$app" "$(winpath "$script")"
drive wait "Demo Patch - Welcome" 30 \; text "Demo Patch - Welcome" Edit:1
expect_eq "welcome text with line break" "First line
Second line" "$out"
drive list "Demo Patch - Welcome"
expect_contains "prompt label" "$out" "Press OK to go on"
expect_contains "cancel button" "$out" "Cancel"
expect_contains "about button" "$out" "About"
screenshot "$QUEN_E2E_OUT/shots/runtime-welcome.png"
drive press "Demo Patch - Welcome" About \; wait "Quenlark" 10 \; msgbox "Quenlark"
expect_contains "about box" "$out" "Quenlark 1.0"
drive press "Quenlark" OK \; press "Demo Patch - Welcome" OK \; wait "Demo Patch - Read this" 20
drive text "Demo Patch - Read this" Edit:1
expect_eq "information text" "Info text" "$out"
drive press "Demo Patch - Read this" Cancel
expect_exit run 3
expect_eq "registry after cancel in information" no "$(touched)"
expect_file "target kept after cancel" "$work/a.txt"

# Closing the welcome window by its title bar counts as OK; the information window
# alone comes first when there is no welcome window.
write_script 'ShowI=1\r\nShowE=0\r\n' 'CWhenError=False\r\n' "$(printf "$delete_a")" 1
start run "$app" "$(winpath "$script")"
drive wait "Demo Patch - Read this" 30
drive_fails 3 wait "Demo Patch - Welcome" 0.5
screenshot "$QUEN_E2E_OUT/shots/runtime-information.png"
drive press "Demo Patch - Read this" OK \; wait "Demo Patch - Patching now" 20 \; text "Demo Patch - Patching now" Edit:1
expect_contains "progress log line" "$out" "Delete $(winpath "$work")\\a.txt done"
screenshot "$QUEN_E2E_OUT/shots/runtime-progress.png"
drive press "Demo Patch - Patching now" OK \; gone "Demo Patch - Patching now" 10
expect_exit run 0
expect_eq "registry phase ran" yes "$(touched)"
[ -e "$work/a.txt" ] && fail "a.txt was not deleted"

# Skipped failures: the end window shows the end text, an empty line and the warning.
echo b >"$work/b.txt"
write_script 'ShowE=0\r\n' 'CWhenError=True\r\n' "$(printf '[Proc1]\r\nFile=missing.ini\r\nAct=5\r\nDir=Me\r\n[Proc2]\r\nFile=b.txt\r\nAct=4\r\nDir=Me\r\n')" 2
start run "$app" "$(winpath "$script")"
drive wait "Demo Patch - Patching now" 30
log_when_done "Demo Patch - Patching now"
expect_contains "not-found line" "$out" "INI $(winpath "$work")\\missing.ini File not found"
drive press "Demo Patch - Patching now" OK \; wait "Demo Patch - Finished" 20 \; text "Demo Patch - Finished" Edit:1
expect_eq "end text after skipped failures" "All went well

Some parts were skipped" "$out"
drive list "Demo Patch - Finished"
screenshot "$QUEN_E2E_OUT/shots/runtime-end-skipped.png"
drive press "Demo Patch - Finished" OK
expect_exit run 1
[ -e "$work/b.txt" ] && fail "b.txt was not deleted after the skipped failure"

# A stopping failure without the log and without ShowE: the error end window.
echo c >"$work/c.txt"
write_script 'ShowE=0\r\n' 'CWhenError=False\r\nShowRun=False\r\n' "$(printf '[Proc1]\r\nFile=missing.txt\r\nAct=6\r\nNewName=x.txt\r\nDir=Me\r\n[Proc2]\r\nFile=c.txt\r\nAct=4\r\nDir=Me\r\n')" 2
sed -i 's/ShowRun=True\r$//' "$script"
start run "$app" "$(winpath "$script")"
drive wait "Demo Patch - Patch error" 30 \; text "Demo Patch - Patch error" Edit:1
expect_eq "end text after a stop" "The patch failed" "$out"
drive list "Demo Patch - Patch error"
screenshot "$QUEN_E2E_OUT/shots/runtime-end-stopped.png"
drive press "Demo Patch - Patch error" OK
expect_exit run 2
expect_file "c.txt untouched after the stop" "$work/c.txt"

finish
