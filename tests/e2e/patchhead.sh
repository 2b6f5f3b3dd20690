#!/usr/bin/env bash
# Patch executables made of the head, a 4-byte length and a cabinet (built here without
# QuenMake; quenmake_exe.sh applies made ones silently): applied with their windows
# (picture, directory question, progress log, end), every action kind leaving the folder
# byte-identical to the expected one (a wrong old file: PackageActions_test); damaged and
# empty patch executables refused with exit code 3 and nothing changed (every fault:
# PackageImage_test, CabinetCheck_test); the extracted files cannot be changed while the
# run uses them; a patch signed after the make still applies from a folder named outside
# the code page, and a Cabinet.dll beside it is not loaded; all or nothing: a failing
# action undone, a run killed at each action settled.
. "$(dirname "$0")/lib.sh"

head_exe=$QUEN_BUILD/src/programs/PatchHead/PatchHead.exe
quendiff=$QUEN_BUILD/src/programs/QuenDiff/QuenDiff.exe
qcab=$QUEN_BUILD/src/programs/QCab/QCab.exe
[ -f "$head_exe" ] || { echo "SKIP [$E2E_NAME]: $head_exe is not built"; exit 77; }
e2e_setup
w=$E2E_RUN/work
mkdir -p "$w/old" "$w/new" "$w/pkg"
temp_glob() { ls -d "$WINEPREFIX"/drive_c/users/*/Temp/QuenlarkPatch* 2>/dev/null; }

# --- the old and the new folder -------------------------------------------------------
head -c 200000 /dev/urandom >"$w/old/app.exe"
{ head -c 150000 "$w/old/app.exe"; printf 'NEW CODE'; tail -c 40000 "$w/old/app.exe"; } >"$w/new/app.exe"
printf 'ABCDEF' >"$w/old/bytes.bin"
printf 'AZCDEF' >"$w/new/bytes.bin"
printf '[Main]\r\nOld=1' >"$w/old/conf.ini"
printf '[Main]\r\nVersion=2' >"$w/new/conf.ini"
printf 'bye' >"$w/old/gone.txt"
printf 'same' >"$w/old/ren.txt"
printf 'same' >"$w/new/renamed.txt"
printf 'added' >"$w/pkg/P2"
cp "$w/pkg/P2" "$w/new/added.txt"
printf 'echo ran>ran.txt\r\n' >"$w/pkg/P7"
cp "$w/pkg/P7" "$w/new/run.bat"
printf 'ran\r\n' >"$w/new/ran.txt"
"$E2E_WINE_RUN" "$quendiff" encode "$(winpath "$w/old/app.exe")" "$(winpath "$w/new/app.exe")" "$(winpath "$w/pkg/P1")" >/dev/null
truncate -s -4 "$w/pkg/P1"  # a package carries the difference data without QuenDiff's CRC-32
python3 - "$w/pkg/P5" <<'PY'
import struct, sys
defs = [b"Main,Version,2", b"Main,Old,%Kill%"]
body = b"".join(struct.pack("<I", len(d)) + d for d in defs)
open(sys.argv[1], "wb").write(struct.pack("<II", 8 + len(body), len(defs)) + body)
PY
convert -size 80x120 gradient:navy-gold "bmp3:$w/pkg/Setup.img"
{
  printf '[Setup]\r\nOffReg=0\r\nAddReg=0\r\nDelReg=0\r\nProcCount=7\r\nShowW=1\r\nShowE=1\r\nShowI=0\r\nPRI=0\r\nERI=0\r\nShowP=True\r\n'
  printf '[Text]\r\nWTitle=Welcome to Fix\r\nWText=This fixes the program.\\nPress OK.\r\nETitle=Fixed\r\nEText=Done\r\nFont=Arial\r\nFontS=9\r\nPText=Press OK to go on\r\nOnPatch=Patching\r\nOK=OK\r\nCANCEL=Cancel\r\nAbout=About\r\n'
  printf 'SFD=CHECKSUM\r\nFNF=NOTFOUND\r\nERR=Error\r\nPatchFail=FAILED\r\nBrokenWarn=Broken\r\nMakeBKFile=False\r\nCWhenError=False\r\nShowRun=True\r\n'
  printf 'strExecute=RUN\r\nstrAddFile=ADD\r\nstrDelFile=DEL\r\nstrPatchINI=INI\r\nstrRenFile=REN\r\nstrPatchFile=PATCH\r\nstrPatchByte=BYTES\r\nstrSuccess=OK!\r\nPatchFileTitle=\r\n'
  printf '[Proc1]\r\nFile=app.exe\r\nAct=2\r\nDir=Ask\r\nTitle=Where is it\r\nPrompt=Program folder\r\nBrow=Browse...\r\nOK=Use it\r\nDNF=No such folder\r\n'
  printf '[Proc2]\r\nFile=added.txt\r\nAct=1\r\nDir=Pre\r\n[Proc3]\r\nFile=gone.txt\r\nAct=4\r\nDir=Pre\r\n'
  printf '[Proc4]\r\nFile=bytes.bin\r\nAct=3\r\nDONTChk=1\r\nCount=1\r\nBType1=3\r\nBRead1=&H2\r\nBNew1=5A\r\nDir=Pre\r\n'
  printf '[Proc5]\r\nFile=conf.ini\r\nAct=5\r\nDir=Pre\r\n[Proc6]\r\nFile=ren.txt\r\nAct=6\r\nNewName=renamed.txt\r\nDir=Pre\r\n'
  printf '[Proc7]\r\nFile=run.bat\r\nAct=0\r\nDir=Pre\r\n'
} >"$w/pkg/Setup.ini"
# The package as the make step packs it: the shipped directive template (LZX) and QCab.
{ cat "$E2E_ROOT/assets/Patch.ddf"; printf '\r\n"%s"' P1 P2 P5 P7 Setup.img Setup.ini; } >"$w/pkg/p.ddf"
build_exe() {  # build_exe OUT: the head, the cabinet's length and the cabinet
  local cab=$w/pkg/TempFile.CAB
  (cd "$w/pkg" && rm -f TempFile.CAB && "$E2E_WINE_RUN" "$qcab" /F p.ddf >/dev/null)
  { cat "$head_exe"; python3 -c "import struct,sys; sys.stdout.buffer.write(struct.pack('<I', $(stat -c %s "$cab")))"; cat "$cab"; } >"$1"
}
build_exe "$w/fix.exe"
cabextract -t "$w/pkg/TempFile.CAB" >/dev/null || fail "cabextract refuses the cabinet"
fresh() { rm -rf "$w/t"; cp -r "$w/old" "$w/t"; }
same_as_new() { diff -r "$w/new" "$w/t" >/dev/null || fail "$1: target differs from the new folder: $(diff -rq "$w/new" "$w/t" | head -3)"; }
unchanged() { diff -r "$w/old" "$w/t" >/dev/null || fail "$1: target changed: $(diff -rq "$w/old" "$w/t" | head -3)"; }

# --- with its windows, driven like a person -------------------------------------------
fresh
start shown "$w/fix.exe"
drive wait "Welcome to Fix" 30 \; list "Welcome to Fix"
expect_contains "welcome text" "$out" "This fixes the program."
# Another program of this account replaces the extracted file that Add File copies.
"$E2E_WINE_RUN" cmd /c "echo planted>$(winpath "$(temp_glob)")\\P2" >/dev/null 2>&1
screenshot "$E2E_SHOTS/patchhead-welcome.png"
drive press "Welcome to Fix" OK \; wait "Where is it" 20 \; type "Where is it" Edit:1 "$(winpath "$w/t")" \; press "Where is it" "Use it"
log_when_done "Patching"
expect_contains "progress log" "$out" "RUN $(winpath "$w/t")\\run.bat OK!"
drive press "Patching" OK \; wait "Fixed" 20 \; press "Fixed" OK
expect_exit shown 0
same_as_new "run with windows"

# --- a damaged or missing package: exit 3, nothing changed ------------------------------
size=$(stat -c %s "$w/fix.exe")
cp "$w/fix.exe" "$w/damaged.exe"
printf '\xff' | dd of="$w/damaged.exe" bs=1 seek=$((size - 300)) conv=notrunc 2>/dev/null
cp "$head_exe" "$w/alone.exe"
fresh
start damaged "$w/damaged.exe" /S "/D=$(winpath "$w/t")" "/LOG=$(winpath "$w/damaged.txt")"
expect_exit damaged 3 60
unchanged "damaged patch"
expect_contains "damaged: reason" "$(cat "$w/damaged.txt")" "checksum is wrong"
expect_eq "no package folder left" "" "$(temp_glob)"
start alone_shown "$w/alone.exe"
drive msgbox "Patch"
expect_contains "head alone, message box" "$out" "executable head"
screenshot "$E2E_SHOTS/patchhead-alone.png"
drive press "Patch" OK
expect_exit alone_shown 3

# --- signed after the make, run beside a planted Cabinet.dll (Wine told to prefer it) ----
# in a folder named outside the code page (Wine's is 1252), as are the temp folder and the
# current folder, to which /D= and /LOG= are relative
env_key='HKCU\Environment'
old_temp=$(reg_data "$env_key" TEMP)
for v in TEMP TMP; do "$E2E_WINE_RUN" reg add "$env_key" /v $v /d 'C:\Λήψεις Temp' /f >/dev/null; done
greek="$WINEPREFIX/drive_c/Λήψεις Temp" cjk="$w/下载 Δ"
mkdir -p "$greek" "$cjk"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quenlark test" \
  -keyout "$w/key.pem" -out "$w/cert.pem" 2>/dev/null
osslsigncode sign -certs "$w/cert.pem" -key "$w/key.pem" -in "$w/fix.exe" -out "$cjk/signed.exe" >/dev/null ||
  fail "osslsigncode cannot sign the patch"
[ "$(stat -c %s "$cjk/signed.exe")" -gt "$size" ] || fail "the signature added nothing"
fresh && mv "$w/t" "$cjk/t"
cp "$QUEN_PLANTED" "$cjk/Cabinet.dll"
cd "$cjk"
WINEDLLOVERRIDES="cabinet=n,b;mscoree=;mshtml=" start signed "$cjk/signed.exe" /S /D=t /LOG=log.txt
cd - >/dev/null
expect_exit signed 0 60
diff -r "$w/new" "$cjk/t" >/dev/null || fail "signed patch: not the new folder: $(cat "$cjk/log.txt" 2>&1)"
expect_eq "package folder removed from the temp folder" "" "$(ls "$greek")"
[ ! -e "$cjk/planted-dll-loaded.txt" ] || fail "the Cabinet.dll beside the patch was loaded"
start lossy "$cjk/signed.exe" /S '/D=C:\Ω'  # refused: its code-page look-alike may be another folder
expect_exit lossy 3 60
for v in TEMP TMP; do "$E2E_WINE_RUN" reg add "$env_key" /v $v /d "$old_temp" /f >/dev/null; done

# --- Windows left before the actions: the resumed run finds its package again ----------
# This package uses LZX's smallest window (32 KB): Windows' cabinet reader gets both the
# shipped 2 MB window (above) and the smallest.
sed -i 's/^PRI=0\r$/PRI=2\r/' "$w/pkg/Setup.ini"
sed -i 's/^.Set CompressionMemory=21/.Set CompressionMemory=15/' "$w/pkg/p.ddf"
grep -q '^.Set CompressionMemory=15' "$w/pkg/p.ddf" || fail "the directives did not take the small window"
build_exe "$w/later.exe"
fresh
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
cd "$w"  # a relative folder goes into the resume command as a full path
start later "$w/later.exe" /S /D=t
cd - >/dev/null
expect_exit later $((3010 % 256)) 60   # Linux sees the low byte of 3010
# Wine carries the restart out and starts the Run value's command itself, the resumed run.
# Should the value still be there after a while, the resumed run is started here with it.
run_value() { "$E2E_WINE_RUN" reg query "$run_key" 2>/dev/null | tr -d '\r' | sed -n 's/.*Quenlark-[0-9A-F]* *REG_SZ *//p'; }
resume=$(run_value)  # unless the resumed run has deleted it already
[ -z "$resume" ] || expect_contains "resume command keeps the switches" "$resume" "later.exe\" /S \"/D=$(winpath "$w/t")\" /A \""
for _ in $(seq 40); do [ -z "$(run_value)" ] && break; sleep 0.5; done
if [ -n "$(run_value)" ]; then
  eval "set -- ${resume#* }"
  start resumed "$w/later.exe" "$@"
  expect_exit resumed 0 60
fi
for _ in $(seq 60); do diff -r "$w/new" "$w/t" >/dev/null && [ -z "$(temp_glob)" ] && break; sleep 0.5; done
same_as_new "resumed run"
expect_eq "package folder removed after the resumed run" "" "$(temp_glob)"

# --- all or nothing ----------------------------------------------------------------------
# With registry values and a seventh action that fails, the run is undone: the folder and
# the registry as before, byte for byte, nothing of the undo record left. Then the six
# changing actions killed (kill -9 from outside) after each logged action and settled by
# what the start entry runs at the next logon (once killed itself and run again): every
# time the old or the new version, never a mix, and no record or entry left.
ureg() { "$E2E_WINE_RUN" reg "$@" >/dev/null 2>&1; }
reg_reset() {
  ureg delete 'HKCU\Software\QuenUndo' /f
  ureg add 'HKCU\Software\QuenUndo' /v Ver /d 1.0 /f && ureg add 'HKCU\Software\QuenUndo' /v Old /t REG_BINARY /d 0aff10 /f
}
reg_state() { "$E2E_WINE_RUN" reg query 'HKCU\Software\QuenUndo' 2>/dev/null | tr -d '\r' | sort; }
record_left() { find "$WINEPREFIX"/drive_c/users -name 'Quenlark-undo*' 2>/dev/null; }
sed -i 's/^PRI=2\r$/PRI=0\r/; s/^AddReg=0\r$/AddReg=1\r/; s/^DelReg=0\r$/DelReg=1\r/; s/^File=run.bat\r$/File=none.exe\r/' "$w/pkg/Setup.ini"
sed -i '/^\[Proc7\]/,$ s/^Act=0\r$/Act=2\r/' "$w/pkg/Setup.ini"
printf '[AddReg]\r\n1=HKCU,Software\\QuenUndo,Ver,1,2.0\r\n[DelReg]\r\n1=HKCU,Software\\QuenUndo,Old\r\n' >>"$w/pkg/Setup.ini"
build_exe "$w/undo.exe"
sed -i 's/^ProcCount=7\r$/ProcCount=6\r/' "$w/pkg/Setup.ini"
# The added file is large here, so kills land in the middle of writing it too.
head -c 24000000 /dev/zero | tr '\0' Q >"$w/pkg/P2"
build_exe "$w/kill.exe"
fresh
reg_reset
reg_old=$(reg_state)
start undo "$w/undo.exe" /S "/D=$(winpath "$w/t")" "/LOG=$(winpath "$w/undo.txt")"
expect_exit undo 2 60
unchanged "failing seventh action"
expect_eq "registry after the undo" "$reg_old" "$(reg_state)"
expect_contains "undo logged" "$(cat "$w/undo.txt")" "none.exe NOTFOUND"$'\r\n'"Every change this patch had made was undone"
expect_eq "no undo record left" "" "$(record_left)"

cp -r "$w/new" "$w/new6" && rm "$w/new6/run.bat" "$w/new6/ran.txt" && cp "$w/pkg/P2" "$w/new6/added.txt"
start whole "$w/kill.exe" /S "/D=$(winpath "$w/t")"
expect_exit whole 0 60
reg_new=$(reg_state)
diff -r "$w/new6" "$w/t" >/dev/null || fail "six actions: not the new folder"
kill_tree() { local c; for c in $(pgrep -P "$1"); do kill_tree "$c"; done; kill -9 "$1" 2>/dev/null; }
run_entry() { "$E2E_WINE_RUN" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Quenlark-Undo 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p'; }
olds=0 news=0
for k in 0 1 2 3 4 5 6; do
  fresh
  reg_reset
  rm -rf "$w/kill.txt" $(temp_glob)
  start killed "$w/kill.exe" /S "/D=$(winpath "$w/t")" "/LOG=$(winpath "$w/kill.txt")"
  pid=${e2e_pids[killed]}
  for _ in $(seq 600); do
    [ -s "$w/kill.txt" ] && [ "$(grep -c $'\r' "$w/kill.txt")" -ge $k ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.02
  done
  kill_tree "$pid"
  wait "$pid" 2>/dev/null
  e2e_log "killed with $(grep -c $'\r' "$w/kill.txt" 2>/dev/null) actions logged: $(ls "$w/t" | xargs)"
  unset "e2e_pids[killed]"
  entry=$(run_entry)
  [ -n "$(record_left)" ] && [ -z "$entry" ] && fail "killed after $k actions: an undo record without its start entry"
  # The next logon: Windows runs the entry (twice: a settling run killed at its start is run again).
  if [ -n "$entry" ]; then
    eval "args=($entry)"  # as Windows splits it: double quotes group (no backslash before one)
    expect_eq "killed after $k actions: the entry settles with the patch" "$(winpath "$w/kill.exe") /U" "${args[0]} ${args[-1]}"
    for n in 1 2; do
      start settle "${args[@]}"
      [ $n = 1 ] && [ $k = 3 ] && { sleep 0.3; kill_tree "${e2e_pids[settle]}"; wait "${e2e_pids[settle]}"; unset "e2e_pids[settle]"; continue; }
      expect_exit settle 0 60
    done
  fi
  if diff -r "$w/old" "$w/t" >/dev/null && [ "$(reg_state)" = "$reg_old" ]; then olds=$((olds + 1))
  elif diff -r "$w/new6" "$w/t" >/dev/null && [ "$(reg_state)" = "$reg_new" ]; then news=$((news + 1))
  else fail "killed after $k actions: neither version: $(diff -rq "$w/old" "$w/t" | head -3 | xargs) $(reg_state | xargs)"; fi
  expect_eq "killed after $k actions: no undo record, no start entry left" "" "$(record_left)$(run_entry)"
done
e2e_log "killed runs settled as the old version $olds times, as the new $news times"

finish
