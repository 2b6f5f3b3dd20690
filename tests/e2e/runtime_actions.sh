#!/usr/bin/env bash
# Scripts applied to real files and the real registry: the directory question refusing a
# missing folder, a second patch refused while it is open; registry add, delete and pause (values that cannot be paused named and
# left alone, the others set back exactly, remembered data in the script); a refused exit
# and a resumed run whose script is gone; a progress log of 500 actions; a read-only
# folder or a full disk met in the middle of a run, which is then undone.
. "$(dirname "$0")/lib.sh"

need_dist
e2e_setup

files="$E2E_RUN/files"
mkdir -p "$files/asked"
app="$QUEN_DIST/Quenlark.exe"
script="$files/fix.qnl"
reg() { "$E2E_WINE_RUN" reg "$@" 2>/dev/null | tr -d '\r'; }
quiet='ShowW=0\r\nShowE=0\r\nShowI=0\r\nERI=0\r\n'

# --- the directory question (every kind in every directory kind: quenmake_exe.sh) -------
printf 'x' >"$files/asked/gone.txt"
{
  qnl 'ProcCount=1\r\nPRI=0\r\n'"$quiet"
  printf '[Proc1]\r\nFile=gone.txt\r\nAct=4\r\nDir=Ask\r\nTitle=Pick a folder\r\nPrompt=Where is it?\r\nBrow=Browse...\r\nOK=Use it\r\nDNF=No such folder\r\n'
} >"$script"
start run "$app" "$(winpath "$script")"
drive wait "Pick a folder" 30 \; list "Pick a folder"
expect_contains "question prompt" "$out" "Where is it?"
expect_contains "browse button" "$out" "Browse..."
screenshot "$E2E_SHOTS/runtime-directory-question.png"
# A second patch while this one runs (its question open): refused, exit 3, nothing changed.
printf 'x' >"$files/second.txt"
{ qnl 'ProcCount=1\r\nPRI=0\r\n'"$quiet"; printf '[Proc1]\r\nFile=second.txt\r\nAct=4\r\nDir=Me\r\n'; } >"$files/second.qnl"
start second "$app" "$(winpath "$files/second.qnl")"
drive wait Quenlark 30 \; msgbox Quenlark
expect_contains "second patch refused" "$out" "Another patch is running. Start this patch again when it has ended."
expect_contains "second patch says so" "$out" "This patch did not change anything."
screenshot "$E2E_SHOTS/runtime-second-patch.png"
drive press Quenlark OK
expect_exit second 3
expect_file "second patch changed nothing" "$files/second.txt"
drive text "Pick a folder" Edit:1
offered=$out
drive press "Pick a folder" "Browse..." \; wait --contains "Browse" 15 \; list --contains "Browse"
expect_contains "folder browser titled with the prompt" "$out" "Where is it?"
screenshot "$E2E_SHOTS/runtime-folder-browser.png"
drive press --contains "Browse" Cancel \; gone --contains "Browse" 10 \; text "Pick a folder" Edit:1
expect_eq "cancelled browser keeps the folder box" "$offered" "$out"
drive type "Pick a folder" Edit:1 "$(winpath "$files")\\nowhere" \; press "Pick a folder" "Use it" \; wait "Error" 10 \; msgbox "Error"
expect_eq "missing folder refused" "No such folder" "$out"
drive press "Error" OK \; wait "Pick a folder" 5 \; type "Pick a folder" Edit:1 "." \; press "Pick a folder" "Use it" \; wait "Error" 10 \; msgbox "Error"
expect_eq "relative folder refused" "No such folder" "$out"
drive press "Error" OK \; wait "Pick a folder" 5 \; type "Pick a folder" Edit:1 "$(winpath "$files/asked")" \; press "Pick a folder" "Use it"
log_when_done "Log"
drive press "Log" OK
expect_exit run 0
[ -e "$files/asked/gone.txt" ] && fail "Ask folder: gone.txt not deleted"

# --- registry: add, delete, pause with remembered data ---------------------------------
# A paused value is gone during the patch, remembered in the script and set back with its
# type and bytes; one that cannot be paused is named in a message and never touched.
P='HKCU\Software\QuenE2E\Pause'
reg add 'HKCU\Software\QuenE2E' /v Doomed /d bye /f >/dev/null
reg add 'HKCU\Software\QuenE2E' /v Fixed /d before /f >/dev/null
{
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\QuenE2E\\Pause]\r\n"Str"="kept text"\r\n"Num"=dword:00001234\r\n'
  printf '"Bin"=hex:0a,ff,10\r\n"Comma"="C:\\\\Apps, Inc"\r\n"Fits"="%s"\r\n"Over"="%s"\r\n' "$(head -c 1023 /dev/zero | tr '\0' a)" "$(head -c 1024 /dev/zero | tr '\0' b)"
  printf '"Lines"=hex(1):6f,6e,65,0d,0a,74,77,6f,00\r\n"Expand"=hex(2):25,54,45,4d,50,25,00\r\n"Multi"=hex(7):61,00,62,00,00\r\n"Mismatch"=hex(2):79,00\r\n'
} >"$files/pause.reg"
reg import "$(winpath "$files/pause.reg")" >/dev/null
before=$(reg query "$P" | sort)
{
  qnl 'ProcCount=0\r\nAddReg=3\r\nDelReg=1\r\nOffReg=12\r\nShowE=1\r\nPRI=0\r\n'"$quiet"
  printf '[AddReg]\r\n1=HKCU,Software\\QuenE2E\\New,S,1,hello\r\n2=HKCU,Software\\QuenE2E\\New,D,4,&H10\r\n3=HKCU,Software\\QuenE2E\\New,B,3,1,255,-1\r\n'
  printf '[DelReg]\r\n1=HKCU,Software\\QuenE2E,Doomed\r\n[OffReg]\r\n1=HKCU,Software\\QuenE2E,Fixed,1,after\r\n'
  i=1
  for v in Str:1 Num:4 Bin:3 Comma:1 Fits:1 Never:1 Over:1 Lines:1 Expand:2 Multi:7 Mismatch:1; do
    printf '%d=HKCU,Software\\QuenE2E\\Pause,%s,%s,%%RetainValue%%\r\n' $((++i)) "${v%:*}" "${v#*:}"
  done
} >"$script"
start run "$app" "$(winpath "$script")"
drive wait Quenlark 30 \; msgbox Quenlark
for v in Over Lines Expand Multi Mismatch; do expect_contains "$v cannot be paused: named" "$out" "Pause,$v,"; done
case "$out" in *,Str,* | *,Fits,*) fail "a paused value is named as not paused: $out" ;; esac
screenshot "$E2E_SHOTS/runtime-not-paused.png"
drive press Quenlark OK \; wait "Log" 30
log_when_done "Log"
drive press "Log" OK \; wait "End" 10
expect_eq "during the patch only the unpausable values are there" "Expand Lines Mismatch Multi Over" \
  "$(reg query "$P" | sed -n 's/^ *\([A-Za-z]*\) *REG_.*/\1/p' | sort | xargs)"
expect_eq "added string" "hello" "$(reg_data 'HKCU\Software\QuenE2E\New' S)"
expect_eq "added number" "0x10" "$(reg_data 'HKCU\Software\QuenE2E\New' D)"
expect_eq "added binary" "01FFFF" "$(reg_data 'HKCU\Software\QuenE2E\New' B)"
expect_eq "deleted value" "" "$(reg_data 'HKCU\Software\QuenE2E' Doomed)"
expect_contains "remembered text, number and binary" "$(tr -d '\r' <"$script")" $'Value2=kept text\nValue3=4660\nValue4=A,FF,10'
drive press "End" OK
expect_exit run 0
expect_eq "every value as it was" "$before" "$(reg query "$P" | sort)"
expect_eq "explicit data set at the end" "after" "$(reg_data 'HKCU\Software\QuenE2E' Fixed)"

# --- Windows refuses the exit; the resumed run then finds its script gone --------------
# Without wineboot, Wine cannot leave the session: the exit is refused. (patchhead.sh
# follows an exit that Wine carries out to the resumed run.)
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
boot="$WINEPREFIX/drive_c/windows/system32/wineboot.exe"
mv "$boot" "$boot.off"
reg add 'HKCU\Software\QuenE2E' /v Later /d 'back, again' /f >/dev/null
{
  qnl 'ProcCount=0\r\nOffReg=1\r\nPRI=2\r\n'"$quiet"
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
screenshot "$E2E_SHOTS/runtime-resumed-without-script.png"
drive press "Script ERROR" OK
expect_exit orphan 3
expect_eq "Run value removed" "" "$(reg query "$run_key" | grep Quenlark)"
expect_eq "paused value restored" "back, again" "$(reg_data 'HKCU\Software\QuenE2E' Later)"

# --- a progress log of 500 actions keeps every line -----------------------------------
mkdir -p "$files/many"
for i in $(seq -w 1 500); do : >"$files/many/a_file_with_a_rather_long_name_$i.txt"; done
{
  qnl 'ProcCount=500\r\nPRI=0\r\n'"$quiet"
  for i in $(seq 1 500); do
    printf '[Proc%d]\r\nFile=a_file_with_a_rather_long_name_%03d.txt\r\nAct=4\r\nDir=%s\r\n' "$i" "$i" "$(winpath "$files/many")"
  done
} >"$script"
start run "$app" "$(winpath "$script")"
log_when_done "Log"
expect_eq "log lines of 500 actions" 500 "$(printf '%s\n' "$out" | grep -c 'OK!$')"
drive press "Log" OK
expect_exit run 0

# --- a read-only folder or a full disk met in the middle of a run: everything undone ------
mkdir -p "$files/rosrc" "$files/ro" "$files/tiny"
head -c 4096 /dev/zero | tr '\0' A >"$files/rosrc/t.bin"
printf '[S]\r\nK=old\r\nL=1\r\n' >"$files/rosrc/t.ini"
{ mount --bind "$files/rosrc" "$files/ro" && mount -o remount,bind,ro "$files/ro"; } || fail "cannot make a read-only bind mount"
mount -t tmpfs -o size=64k tmpfs "$files/tiny" || fail "cannot mount a tiny tmpfs"
head -c 61440 /dev/zero | tr '\0' A >"$files/tiny/t.bin"  # with t.ini all 16 pages are taken
cp "$files/rosrc/t.ini" "$files/tiny/"
for d in ro tiny; do
  printf 'first' >"$files/first.txt"
  before=$(cd "$files" && md5sum first.txt "$d/t.bin" "$d/t.ini")
  {
    qnl 'ProcCount=3\r\nPRI=0\r\n'"$quiet" 'CWhenError=False\r\n'
    printf '[Proc1]\r\nFile=first.txt\r\nAct=4\r\nDir=Me\r\n'
    printf '[Proc2]\r\nFile=t.ini\r\nAct=5\r\nCount=2\r\nINIKey1=S,K,new\r\nINIKey2=S,L,%%Kill%%\r\nDir=%s\r\n' "$(winpath "$files/$d")"
    printf '[Proc3]\r\nFile=t.bin\r\nAct=3\r\nDONTChk=1\r\nCount=1\r\nBType1=3\r\nBRead1=1\r\nBNew1=FF\r\nDir=Pre\r\n'
  } >"$script"
  start run "$app" "$(winpath "$script")"
  log_when_done "Log"  # its lines: ActionLoop_test
  drive press "Log" OK \; wait "Error" 10 \; text "Error" Edit:1
  expect_contains "$d: end window tells the undo" "$out" "FAILED

Every change this patch had made was undone"
  drive press "Error" OK
  expect_exit run 2
  expect_eq "$d: everything as before" "$before" "$(cd "$files" && md5sum first.txt "$d/t.bin" "$d/t.ini")"
  expect_eq "$d: no leftovers" "t.bin t.ini" "$(ls -A "$files/$d" | xargs)"
  umount "$files/$d"
done

finish
