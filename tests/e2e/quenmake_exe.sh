#!/usr/bin/env bash
# QuenMake.exe /exe under Wine on the sample patch (samples/demo): the patch executable it
# makes turns the old folder into the new one and leaves no package folder; without a head
# the make exits 1 and keeps the old output.
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

start make "$prog/QuenMake.exe" "$project" /EXE "$(winpath "$patch")"
expect_exit make 0 120
expect_contains "progress" "$(cat "$E2E_RUN/make.out")" "[100.0%] Proc6: action 6 of 6"
[ -e "$WINEPREFIX/drive_c/users/root/Temp/QuenlarkTemp" ] && fail "the package folder was left in the Wine temp folder"
cp -r "$root/sample/old" "$root/target"
start apply "$patch" /S "/D=$(winpath "$root/target")"
expect_exit apply 0 60
diff -r "$root/sample/new" "$root/target" >/dev/null ||
  fail "the made patch does not turn old into new: $(diff -rq "$root/sample/new" "$root/target" | head -3)"

# Without the head nothing is made.
rm "$prog/PatchHead.exe"
printf 'previous patch' >"$patch"
start nohead "$prog/QuenMake.exe" "$project" /exe "$(winpath "$patch")"
expect_exit nohead 1 60
expect_contains "missing head" "$(cat "$E2E_RUN/nohead.err")" "PatchHead.exe without find!"
expect_eq "old output kept" "previous patch" "$(cat "$patch")"
finish
