#!/usr/bin/env bash
# Scripts applied to real files and the real registry: every action kind and directory
# kind, registry add, delete and pause (with remembered string, number and binary data)
# read back during and after the run; values that cannot be paused (2,000 characters) left
# in place, a value holding commas paused and set back whole; the restart before the
# actions with its Run value and the resumed "/A" run; a refused exit and a resumed run
# whose script is gone; a progress log of 500 actions; the directory question refusing a
# missing folder, and refused writes (read-only folder, full disk) that leave the
# original file whole.
. "$(dirname "$0")/lib.sh"

need_dist
e2e_setup

files="$E2E_RUN/files"
mkdir -p "$files/sub" "$files/asked" "$files/literal"
app="$QUEN_DIST/Quenlark.exe"
script="$files/fix.qnl"
windir="$WINEPREFIX/drive_c/windows"
reg() { "$E2E_WINE_RUN" reg "$@" 2>/dev/null | tr -d '\r'; }
reg_data() { reg query "$1" /v "$2" | sed -n "s/.*$2[[:space:]]*REG_[A-Z]*[[:space:]]*//p"; }
texts='[Text]\r\nFNF=NOTFOUND\r\nSFD=CHECKSUM\r\nERR=Error\r\nPatchFail=FAILED\r\nBrokenWarn=Broken\r\nETitle=End\r\nEText=Done\r\nOK=OK\r\nCANCEL=Cancel\r\nAbout=About\r\nOnPatch=Log\r\nPText=Prompt\r\nMakeBKFile=True\r\nCWhenError=True\r\nShowRun=True\r\nstrDelFile=DEL\r\nstrPatchINI=INI\r\nstrRenFile=REN\r\nstrPatchByte=BYTES\r\nstrSuccess=OK!\r\nPatchFileTitle=\r\n'
bytes() { od -An -tx1 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# --- every action kind and directory kind ---------------------------------------------
printf 'ABCDABCD' >"$files/me.bin"                   # 41 42 43 44 ...: check sum 0
printf '[Main]\r\nOld=1' >"$files/sub/app.ini"
printf 'x' >"$files/asked/gone.txt"
printf 'old' >"$files/literal/old.txt"
printf 'win' >"$windir/quen_e2e.txt"
printf 'sys' >"$windir/system32/quen_e2e.txt"
printf 'reg' >"$files/regged.txt"
reg add 'HKCU\Software\QuenE2E' /v AppPath /d "$(winpath "$files")\\app.exe" /f >/dev/null
{
  printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=8\r\nShowW=0\r\nShowE=0\r\nShowI=0\r\nPRI=0\r\nERI=0\r\n'
  printf "$texts"
  printf '[Proc1]\r\nFile=me.bin\r\nAct=3\r\nDONTChk=0\r\nCheckSum=0\r\nCount=2\r\nBType1=2\r\nBRead1=42,43\r\nBNew1=78,79\r\nBType2=3\r\nBRead2=&H8\r\nBNew2=5A\r\nDir=Me\r\n'
  printf '[Proc2]\r\nFile=app.ini\r\nAct=5\r\nCount=2\r\nINIKey1=Main,New,2\r\nINIKey2=Main,Old,%%Kill%%\r\nDir=.\\sub\r\n'
  printf '[Proc3]\r\nFile=regged.txt\r\nAct=4\r\nDir=Reg\r\nRegKey=HKCU,Software\\QuenE2E,AppPath\r\n'
  printf '[Proc4]\r\nFile=quen_e2e.txt\r\nAct=4\r\nDir=Win\r\n'
  printf '[Proc5]\r\nFile=quen_e2e.txt\r\nAct=6\r\nNewName=quen_e2e2.txt\r\nDir=Sys\r\n'
  printf '[Proc6]\r\nFile=old.txt\r\nAct=6\r\nNewName=new.txt\r\nDir=%s\r\n' "$(winpath "$files/literal")"
  printf '[Proc7]\r\nFile=gone.txt\r\nAct=4\r\nDir=Ask\r\nTitle=Pick a folder\r\nPrompt=Where is it?\r\nBrow=Browse...\r\nOK=Use it\r\nDNF=No such folder\r\n'
  printf '[Proc8]\r\nFile=new.txt\r\nAct=4\r\nDir=Pre\r\n'
} >"$script"
start run "$app" "$(winpath "$script")"
drive wait "Pick a folder" 30 \; list "Pick a folder"
expect_contains "question prompt" "$out" "Where is it?"
expect_contains "browse button" "$out" "Browse..."
screenshot "$QUEN_E2E_OUT/shots/runtime-directory-question.png"
drive text "Pick a folder" Edit:1
offered=$out
drive press "Pick a folder" "Browse..." \; wait --contains "Browse" 15 \; list --contains "Browse"
expect_contains "folder browser titled with the prompt" "$out" "Where is it?"
screenshot "$QUEN_E2E_OUT/shots/runtime-folder-browser.png"
drive press --contains "Browse" Cancel \; gone --contains "Browse" 10 \; text "Pick a folder" Edit:1
expect_eq "cancelled browser keeps the folder box" "$offered" "$out"
drive type "Pick a folder" Edit:1 "$(winpath "$files")\\nowhere" \; press "Pick a folder" "Use it" \; wait "Error" 10 \; msgbox "Error"
expect_eq "missing folder refused" "No such folder" "$out"
drive press "Error" OK \; wait "Pick a folder" 5 \; type "Pick a folder" Edit:1 "." \; press "Pick a folder" "Use it" \; wait "Error" 10 \; msgbox "Error"
expect_eq "relative folder refused" "No such folder" "$out"
drive press "Error" OK \; wait "Pick a folder" 5 \; type "Pick a folder" Edit:1 "$(winpath "$files/asked")" \; press "Pick a folder" "Use it"
drive wait "Log" 30
log_when_done "Log"
log=$out
drive press "Log" OK
expect_exit run 0
expect_eq "bytes replaced (all, then at a position)" "41 78 79 44 41 78 79 5a" "$(bytes "$files/me.bin")"
expect_eq "backup kept" "41 42 43 44 41 42 43 44" "$(bytes "$files/me.bin.bak")"
expect_eq "ini patched below the previous folder" "$(printf '[Main]\r\nNew=2')" "$(cat "$files/sub/app.ini")"
[ -e "$files/regged.txt" ] && fail "Reg folder: regged.txt not deleted"
[ -e "$windir/quen_e2e.txt" ] && fail "Win folder: file not deleted"
expect_file "Sys folder: renamed" "$windir/system32/quen_e2e2.txt"
[ -e "$files/asked/gone.txt" ] && fail "Ask folder: gone.txt not deleted"
expect_file "literal folder: renamed" "$files/literal/new.txt"   # Pre is the asked folder
expect_contains "log names every action" "$log" "BYTES $(winpath "$files")\\me.bin OK!"
expect_contains "log of the previous-folder action" "$log" "DEL $(winpath "$files/asked")\\new.txt OK!"

# --- registry: add, delete, pause with remembered data ---------------------------------
reg add 'HKCU\Software\QuenE2E' /v Doomed /d bye /f >/dev/null
reg add 'HKCU\Software\QuenE2E' /v Str /d "kept text" /f >/dev/null
reg add 'HKCU\Software\QuenE2E' /v Num /t REG_DWORD /d 4660 /f >/dev/null
reg add 'HKCU\Software\QuenE2E' /v Bin /t REG_BINARY /d 0aff10 /f >/dev/null
reg add 'HKCU\Software\QuenE2E' /v Fixed /d before /f >/dev/null
long=$(head -c 2000 /dev/zero | tr '\0' 'L')
reg add 'HKCU\Software\QuenE2E' /v Long /d "$long" /f >/dev/null
reg add 'HKCU\Software\QuenE2E' /v Comma /d 'C:\Apps, Inc' /f >/dev/null
{
  printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=0\r\nAddReg=3\r\nDelReg=1\r\nOffReg=7\r\nShowW=0\r\nShowE=1\r\nShowI=0\r\nPRI=0\r\nERI=0\r\n'
  printf "$texts"
  printf '[AddReg]\r\n1=HKCU,Software\\QuenE2E\\New,S,1,hello\r\n2=HKCU,Software\\QuenE2E\\New,D,4,&H10\r\n3=HKCU,Software\\QuenE2E\\New,B,3,1,255,-1\r\n'
  printf '[DelReg]\r\n1=HKCU,Software\\QuenE2E,Doomed\r\n'
  printf '[OffReg]\r\n1=HKCU,Software\\QuenE2E,Str,1,%%RetainValue%%\r\n2=HKCU,Software\\QuenE2E,Num,4,%%RetainValue%%\r\n3=HKCU,Software\\QuenE2E,Bin,3,%%RetainValue%%\r\n4=HKCU,Software\\QuenE2E,Fixed,1,after\r\n5=HKCU,Software\\QuenE2E,Never,1,%%RetainValue%%\r\n'
  printf '6=HKCU,Software\\QuenE2E,Long,1,%%RetainValue%%\r\n7=HKCU,Software\\QuenE2E,Comma,1,%%RetainValue%%\r\n'
} >"$script"
start run "$app" "$(winpath "$script")"
drive wait Quenlark 30 \; msgbox Quenlark
expect_contains "value too long to pause is named" "$out" "QuenE2E,Long,1"
screenshot "$QUEN_E2E_OUT/shots/runtime-not-paused.png"
drive press Quenlark OK \; wait "Log" 30
log_when_done "Log"
drive press "Log" OK \; wait "End" 10
expect_eq "long value left in place" "$long" "$(reg_data 'HKCU\Software\QuenE2E' Long)"
expect_eq "paused comma value absent" "" "$(reg_data 'HKCU\Software\QuenE2E' Comma)"
expect_eq "added string" "hello" "$(reg_data 'HKCU\Software\QuenE2E\New' S)"
expect_eq "added number" "0x10" "$(reg_data 'HKCU\Software\QuenE2E\New' D)"
expect_eq "added binary" "01FFFF" "$(reg_data 'HKCU\Software\QuenE2E\New' B)"
expect_eq "deleted value" "" "$(reg_data 'HKCU\Software\QuenE2E' Doomed)"
expect_eq "paused string absent" "" "$(reg_data 'HKCU\Software\QuenE2E' Str)"
expect_eq "paused binary absent" "" "$(reg_data 'HKCU\Software\QuenE2E' Bin)"
expect_contains "remembered string" "$(cat "$script")" "Value1=kept text"
expect_contains "remembered number" "$(cat "$script")" "Value2=4660"
expect_contains "remembered binary" "$(cat "$script")" "Value3=A,FF,10"
drive press "End" OK
expect_exit run 0
expect_eq "restored string" "kept text" "$(reg_data 'HKCU\Software\QuenE2E' Str)"
expect_eq "restored number" "0x1234" "$(reg_data 'HKCU\Software\QuenE2E' Num)"
expect_eq "restored binary" "0AFF10" "$(reg_data 'HKCU\Software\QuenE2E' Bin)"
expect_eq "explicit data set at the end" "after" "$(reg_data 'HKCU\Software\QuenE2E' Fixed)"
expect_eq "absent value stays absent" "" "$(reg_data 'HKCU\Software\QuenE2E' Never)"
expect_eq "long value as it was" "$long" "$(reg_data 'HKCU\Software\QuenE2E' Long)"
expect_eq "comma value whole" 'C:\Apps, Inc' "$(reg_data 'HKCU\Software\QuenE2E' Comma)"

# --- restart before the actions, then the resumed run ---------------------------------
printf 'z' >"$files/later.txt"
{
  printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=1\r\nShowW=0\r\nShowE=0\r\nShowI=0\r\nPRI=2\r\nERI=0\r\n'
  printf "$texts"
  printf '[Proc1]\r\nFile=later.txt\r\nAct=4\r\nDir=Me\r\n'
} >"$script"
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
start run "$app" "$(winpath "$script")"
expect_exit run $((3010 % 256))   # no action ran yet; Linux sees the low byte of 3010
# Wine may carry the restart out for real: it ends the program and starts the Run value's
# command itself, which is then the resumed run on this script. Otherwise the value is
# still there and the resumed run is started here with it.
e2e_drive wait "Log" 8
if [ "$e2e_rc" -ne 0 ]; then
  expect_eq "Run value" "$(winpath "$QUEN_DIST")\\Quenlark.exe /A $(winpath "$script")" "$(reg_data "$run_key" Quenlark)"
  expect_file "actions wait for the restart" "$files/later.txt"
  start resumed "$app" /A "$(winpath "$script")"
  drive wait "Log" 30
fi
log_when_done "Log"
expect_contains "resumed run applies the actions" "$out" "DEL $(winpath "$files")\\later.txt OK!"
drive press "Log" OK \; gone "Log" 10
expect_eq "Run value deleted" "" "$(reg_data "$run_key" Quenlark)"
[ -e "$files/later.txt" ] && fail "resumed run did not delete later.txt"

# --- Windows refuses the exit; the resumed run then finds its script gone --------------
# Without wineboot, Wine cannot leave the session: the exit is refused.
boot="$WINEPREFIX/drive_c/windows/system32/wineboot.exe"
mv "$boot" "$boot.off"
reg add 'HKCU\Software\QuenE2E' /v Later /d 'back, again' /f >/dev/null
{
  printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=0\r\nOffReg=1\r\nShowW=0\r\nShowE=0\r\nShowI=0\r\nPRI=2\r\nERI=0\r\n'
  printf "$texts"
  printf '[OffReg]\r\n1=HKCU,Software\\QuenE2E,Later,1,%%RetainValue%%\r\n'
} >"$script"
start run "$app" "$(winpath "$script")"
drive wait Quenlark 30 \; msgbox Quenlark
expect_contains "refused exit told" "$out" "refused"
drive press Quenlark OK \; exited Quenlark.exe 10
expect_eq "exit code after the refused exit" 3010 "$out"
exit_code run
mv "$boot.off" "$boot"
expect_eq "paused until the resumed run" "" "$(reg_data 'HKCU\Software\QuenE2E' Later)"
rm "$script"
start orphan "$app" /A "$(winpath "$script")"
drive wait "Script ERROR" 30 \; msgbox "Script ERROR"
expect_contains "missing script reported with the restore" "$out" "set back"
screenshot "$QUEN_E2E_OUT/shots/runtime-resumed-without-script.png"
drive press "Script ERROR" OK
expect_exit orphan 3
expect_eq "Run value removed" "" "$(reg_data "$run_key" Quenlark)"
expect_eq "paused value restored" "back, again" "$(reg_data 'HKCU\Software\QuenE2E' Later)"

# --- a progress log of 500 actions keeps every line -----------------------------------
mkdir -p "$files/many"
for i in $(seq -w 1 500); do : >"$files/many/a_file_with_a_rather_long_name_$i.txt"; done
{
  printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=500\r\nShowW=0\r\nShowE=0\r\nShowI=0\r\nPRI=0\r\nERI=0\r\n'
  printf "$texts"
  for i in $(seq 1 500); do
    printf '[Proc%d]\r\nFile=a_file_with_a_rather_long_name_%03d.txt\r\nAct=4\r\nDir=%s\r\n' "$i" "$i" "$(winpath "$files/many")"
  done
} >"$script"
start run "$app" "$(winpath "$script")"
drive wait "Log" 30
log_when_done "Log"
expect_eq "log lines of 500 actions" 500 "$(printf '%s\n' "$out" | grep -c 'OK!$')"
expect_contains "last action logged" "$out" "a_file_with_a_rather_long_name_500.txt OK!"
drive press "Log" OK
expect_exit run 0

# --- refused writes leave the original file whole --------------------------------------
byte_script() {
  {
    printf '[Setup]\r\nScriptID=QuenlarkScript_100\r\nProcCount=1\r\nShowW=0\r\nShowE=0\r\nShowI=0\r\nPRI=0\r\nERI=0\r\n'
    printf "$texts"
    printf '[Proc1]\r\nFile=t.bin\r\nAct=3\r\nDONTChk=1\r\nCount=1\r\nBType1=3\r\nBRead1=1\r\nBNew1=FF\r\nDir=%s\r\n' "$(winpath "$1")"
  } >"$script"
}
mkdir -p "$files/rosrc" "$files/ro" "$files/tiny"
head -c 4096 /dev/zero | tr '\0' 'A' >"$files/rosrc/t.bin"
if mount --bind "$files/rosrc" "$files/ro" && mount -o remount,bind,ro "$files/ro"; then
  byte_script "$files/ro"
  start run "$app" "$(winpath "$script")"
  drive wait "Log" 30
  log_when_done "Log"
  expect_contains "read-only folder fails" "$out" "FAILED"
  drive press "Log" OK \; wait "End" 10 \; text "End" Edit:1
  expect_eq "end window after the skipped failure" "Done

Broken" "$out"
  drive press "End" OK
  expect_exit run 1
  expect_eq "read-only original intact" "4096 A" "$(wc -c <"$files/ro/t.bin") $(head -c1 "$files/ro/t.bin")"
  umount "$files/ro"
else
  fail "cannot make a read-only bind mount"
fi
if mount -t tmpfs -o size=64k tmpfs "$files/tiny"; then
  head -c 40000 /dev/zero | tr '\0' 'A' >"$files/tiny/t.bin"
  byte_script "$files/tiny"
  start run "$app" "$(winpath "$script")"
  drive wait "Log" 30
  log_when_done "Log"
  expect_contains "full disk fails" "$out" "FAILED"
  drive press "Log" OK \; wait "End" 10 \; press "End" OK
  expect_exit run 1
  expect_eq "full-disk original intact" "40000 A" "$(wc -c <"$files/tiny/t.bin") $(head -c1 "$files/tiny/t.bin")"
  expect_eq "no leftovers on the full disk" "t.bin" "$(ls -A "$files/tiny")"
  umount "$files/tiny"
else
  fail "cannot mount a tiny tmpfs"
fi

finish
