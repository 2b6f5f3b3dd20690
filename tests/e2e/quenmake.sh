#!/usr/bin/env bash
# QuenMake.exe end to end under Wine: a project file written here by hand becomes the
# expected stand-alone script byte for byte; failed makes exit 1 and leave no output.
. "$(dirname "$0")/lib.sh"

quenmake=$QUEN_BUILD/src/programs/QuenMake/QuenMake.exe
[ -f "$quenmake" ] || { fail "QuenMake.exe not built at $quenmake"; finish; }
data=$E2E_ROOT/tests/data

# A program folder of its own: the program, its settings file and the English texts.
root=$(mktemp -d /tmp/quenmake-e2e.XXXXXX)
trap 'rm -rf "$root"; e2e_cleanup' EXIT
prog=$root/prog
work="$root/my project"
mkdir -p "$prog/Language" "$work/out dir"
cp "$quenmake" "$E2E_ROOT/assets/Quenlark.ini" "$prog/"
cp "$QUEN_DIST/Language/English.lng" "$prog/Language/"
cp "$data/script/source.bin" "$work/"
: >"$work/setup.exe"
: >"$work/readme.txt"
w=$(winpath "$work/x"); w=${w%\\x}

# One project line per argument, each ending CR LF.
lines() { printf '%s\r\n' "$@"; }
options() {
  lines '"Dravin Project File V1.0"' '"&About"' 1 '"DWORD,HKCU,Software\Demo,Count,&H10"' \
    '"Some files were skipped."' '"&Cancel"' 1 0 2 '"All done.\nThank you."' '"Finished"' \
    '"File not found!"' 0 '""' '"Information"' '"Tahoma"' 9 1 1 \
    '"STR,HKLM,Software\Demo,Mode,%RetainValue%"' '"&OK"' '"Patch Error"' '"Patching..."' \
    '"Failed!"' '".\logo.bmp"' '""' '"Press OK to go on."' 1 0 '#TRUE#' 1 1 \
    '"Source file differs!"' '"Welcome.\nThis patch updates Demo."' '"Welcome"' '"Demo Patch"' \
    '"Adding"' '"Deleting"' '"Running"' '"Patching bytes of"' '"Patching"' '"Patching INI"' \
    '"Renaming"' '"OK"'
}
# kind, file, dir type, then for Replace Byte the source: one action block.
action() {
  lines "$1" 0 '""' '""' '""' '""' '""'
  if [ "$1" = 3 ]; then
    lines 2 '"3"' '"1A (26)"' '"90 90"' '"2"' '"4D 5A"' '"4D 5B"'
  else
    lines 0
  fi
  lines "\"$w\"" 0 "\"$2\"" 0 '""' '""' "\"$3\""
  if [ "$3" = "< Reg >" ]; then lines '"Path"' 4 '"Software\Demo"'; else lines '""' 0 '""'; fi
}
{
  options
  lines 4
  action 0 "$w\\setup.exe" "< Me >"
  action 3 "$w\\source.bin" "< Me >"
  action 1 "$w\\readme.txt" "< Previous >"
  action 4 'C:\Old\old.dll' "< Reg >"
} >"$work/demo file.prj"
printf 'previous script' >"$work/out dir/kept.qnl"

cd "$work" || exit 1
quenmake=$prog/QuenMake.exe
# Relative paths with blanks, switch in other letter case.
start make "$quenmake" "demo file.prj" /SCRIPT "out dir\\demo.qnl"
expect_exit make 0 60
if cmp -s "$work/out dir/demo.qnl" "$data/script/kinds_0314.qnl"; then
  e2e_log "script matches the golden file"
else
  fail "the script differs from tests/data/script/kinds_0314.qnl"
fi
expect_contains "progress" "$(cat "$E2E_RUN/make.out")" "Made "
expect_contains "warning about kinds 0 to 2" "$(cat "$E2E_RUN/make.err")" "Execute File, Add File or Patch File"
expect_eq "files in the output folder" "demo.qnl kept.qnl" "$(cd "$work/out dir" && echo *)"

# The project itself as the output, in other letter case: refused, the project kept.
cp "demo file.prj" "$root/demo.copy"
start self "$quenmake" "demo file.prj" /script "DEMO FILE.PRJ"
expect_exit self 1 60
expect_contains "output is the project" "$(cat "$E2E_RUN/self.err")" "is the project file itself"
cmp -s "demo file.prj" "$root/demo.copy" || fail "the project was overwritten"

# Not a project file, and an output folder that does not exist: exit 1, nothing written.
start wrong "$quenmake" "out dir\\kept.qnl" /script "elsewhere.qnl"
start nofolder "$quenmake" "demo file.prj" /script "no such folder\\x.qnl"
expect_exit wrong 1 60
expect_exit nofolder 1 60
expect_contains "wrong header" "$(cat "$E2E_RUN/wrong.err")" "File Format Error!"
expect_contains "bad output path" "$(cat "$E2E_RUN/nofolder.err")" "File PathName Error!"
expect_eq "nothing written" "" "$(ls "$work" | grep -v -e '\.prj$' -e '^out dir$' -e '\.exe$' -e '\.txt$' -e '\.bin$')"
finish
