#!/usr/bin/env bash
# QuenMake.exe /exe under Wine on the sample patch (samples/demo): the patch executable
# is the head, the cabinet length and a cabinet (read by cabextract) holding the package;
# without a head the make exits 1 and keeps the old output; no package folder is left.
. "$(dirname "$0")/lib.sh"
need_dist

root=$(mktemp -d /tmp/quenmake-exe.XXXXXX)
trap 'rm -rf "$root"; e2e_cleanup' EXIT
"$E2E_ROOT/samples/demo/make-sample.sh" "$root/sample" >/dev/null || { fail "the sample was not made"; finish; }
prog=$root/prog
mkdir -p "$prog/Language"
cp "$QUEN_DIST"/{QuenMake.exe,Quenlark.ini,QCab.exe,Patch.ddf,PatchHead.exe} "$prog/"
cp "$QUEN_DIST"/Language/English.lng "$prog/Language/"
project=$(winpath "$root/sample/demo.prj")
patch=$root/DemoPatch.exe
printf 'previous patch' >"$patch"

start make "$prog/QuenMake.exe" "$project" /EXE "$(winpath "$patch")"
expect_exit make 0 120
expect_contains "progress" "$(cat "$E2E_RUN/make.out")" "[100.0%] Proc6: action 6 of 6"
head_size=$(stat -c %s "$prog/PatchHead.exe")
cmp -s -n "$head_size" "$prog/PatchHead.exe" "$patch" || fail "the patch does not begin with the head"
cab_len=$(od -An -tu4 -j "$head_size" -N4 "$patch" | tr -d ' ')
expect_eq "cabinet length" "$(($(stat -c %s "$patch") - head_size - 4))" "$cab_len"
tail -c "$cab_len" "$patch" >"$root/p.cab"
mkdir "$root/x" && cabextract -q -d "$root/x" "$root/p.cab" || fail "cabextract refused the cabinet"
expect_eq "package files" "P1 P2 P4 Setup.ini" "$(cd "$root/x" && echo *)"
cmp -s "$root/x/P2" "$root/sample/new/help.txt" || fail "the added file differs"
# QuenDiff's files are the carried data and the CRC-32 of the new file.
python3 -c 'import sys, zlib, struct; d = open(sys.argv[1], "rb").read(); n = open(sys.argv[2], "rb").read()
open(sys.argv[3], "wb").write(d + struct.pack("<I", zlib.crc32(n)))' "$root/x/P1" "$root/sample/new/app.exe" "$root/P1.diff"
start apply "$QUEN_DIST/QuenDiff.exe" apply "$(winpath "$root/sample/old/app.exe")" "$(winpath "$root/P1.diff")" \
  "$(winpath "$root/rebuilt.exe")"
expect_exit apply 0 60
cmp -s "$root/rebuilt.exe" "$root/sample/new/app.exe" || fail "the difference data does not rebuild app.exe"
expect_contains "package script" "$(cat "$root/x/Setup.ini")" "ProcCount=6"
[ -e "$WINEPREFIX/drive_c/users/root/Temp/QuenlarkTemp" ] && fail "the package folder was left in the Wine temp folder"

# Without the head nothing is made.
rm "$prog/PatchHead.exe"
printf 'previous patch' >"$patch"
start nohead "$prog/QuenMake.exe" "$project" /exe "$(winpath "$patch")"
expect_exit nohead 1 60
expect_contains "missing head" "$(cat "$E2E_RUN/nohead.err")" "PatchHead.exe without find!"
expect_eq "old output kept" "previous patch" "$(cat "$patch")"
finish
