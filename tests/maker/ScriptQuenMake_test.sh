#!/usr/bin/env bash
# The native QuenMake: arguments, refusals and a made script in a folder with a blank,
# compared byte for byte (the /exe make: PackageMake_test here, e2e/quenmake_exe.sh under
# Wine).
#   ScriptQuenMake_test.sh <QuenMake> <source root> <English.lng>
set -u
quenmake=$1; root=$2; english=$3
data=$root/tests/data
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_code() { [ "$2" = "$3" ] || fail "$1: exit code $3, expected $2"; }
expect_in() { case "$2" in *"$3"*) ;; *) fail "$1: [$3] not in [$2]" ;; esac; }

tmp=$(mktemp -d /tmp/quenmake-native.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
prog=$tmp/prog; work="$tmp/my work"
mkdir -p "$prog/Language" "$work"
cp "$quenmake" "$prog/QuenMake"
cp "$english" "$prog/Language/"
run() { out=$("$prog/QuenMake" "$@" 2>"$tmp/err"); code=$?; err=$(cat "$tmp/err"); }

# Without the settings file nothing is made.
run x.prj /script y.qnl
expect_code "no settings file" 1 "$code"
expect_in "no settings file" "$err" "Quenlark.ini without find!"
cp "$root/assets/Quenlark.ini" "$prog/"

run /?
expect_code "help" 0 "$code"
expect_in "help names the executable form" "$out" "QuenMake PROJECT.prj /exe OUTPUT.exe"

# The golden project: kinds 0, 3, 1, 4 with the paths of this folder ("\" separators).
w=${work//\//\\}
cp "$data/script/source.bin" "$work/"
: >"$work/setup.exe"; : >"$work/readme.txt"
python3 - "$data/project/two_bytes_one_ini.prj" "$work/demo.prj" "$w" <<'PY'
import sys
src, dst, w = sys.argv[1:]
lines = open(src, 'rb').read().decode('latin-1').split('\r\n')
opts = lines[:lines.index('1', 40)]  # options up to the action count
def act(kind, file, dirtype, bytes_=(), reg=('""', '0', '""')):
    b = [str(len(bytes_))] + [f'"{x}"' for t in bytes_ for x in t]
    return [str(kind), '0'] + ['""'] * 5 + b + [f'"{w}"', '0', f'"{file}"', '0', '""', '""',
            f'"{dirtype}"', reg[0], reg[1], reg[2]]
body = ['4'] + act(0, w + '\\setup.exe', '< Me >') \
     + act(3, w + '\\source.bin', '< Me >', [('3', '1A (26)', '90 90'), ('2', '4D 5A', '4D 5B')]) \
     + act(1, w + '\\readme.txt', '< Previous >') \
     + act(4, 'C:\\Old\\old.dll', '< Reg >', reg=('"Path"', '4', '"Software\\Demo"'))
open(dst, 'wb').write(('\r\n'.join(opts + body) + '\r\n').encode('latin-1'))
PY
cd "$work" || exit 1
run demo.prj /Script out.qnl
expect_code "make" 0 "$code"
cmp -s out.qnl "$data/script/kinds_0314.qnl" || fail "the script differs from the golden file"
printf 'old' >kept.qnl
expect_in "progress" "$out" "[50.0%] Proc1: action 2 of 4"
expect_in "warning" "$err" "Execute File, Add File or Patch File"

# The output may not be the project or a file an action reads, however it is spelled.
inputs=$(md5sum demo.prj source.bin setup.exe); files=$(ls)
for target in demo.prj DEMO.PRJ ./demo.prj "../my work/demo.prj" source.bin "$work/Source.BIN" "$w\\setup.exe"; do
  run demo.prj /script "$target"
  expect_code "output $target" 1 "$code"
  expect_in "output $target" "$err" "QuenMake: the output"
done
[ "$(md5sum demo.prj source.bin setup.exe)" = "$inputs" ] || fail "a refused output changed an input"
# An output folder that does not exist.
run demo.prj /script "no such folder/x.qnl"
expect_code "no output folder" 1 "$code"
expect_in "no output folder" "$err" "File PathName Error!"
[ "$(ls)" = "$files" ] || fail "a refused output left a file"

# The first action may not continue from a previous one.
sed -i 's/"< Me >"/"< Previous >"/' demo.prj
run demo.prj /script kept.qnl
expect_code "first action < Previous >" 1 "$code"
expect_in "first action < Previous >" "$err" "First file directory setting can't with < Previous >."
[ "$(cat kept.qnl)" = old ] || fail "a refused make changed the output"

# The release form: two old folders and a new one; only the Delete File action can travel
# in a script, the project keeps the second old version of app.exe (that it makes the same
# patch again: e2e/quenmake_exe.sh).
mkdir -p rel/A/sub rel/B/sub rel/C/sub out
for v in A B; do printf "app $v" >rel/$v/app.exe; printf same >rel/$v/sub/same.txt; printf x >rel/$v/gone.txt; done
printf 'app new' >rel/C/app.exe; printf same >rel/C/sub/same.txt; printf n >rel/C/new.txt
run /from rel/A /FROM rel/B /to rel/C /script out/rel.qnl /project out/rel.prj /me
expect_code "release" 0 "$code"
expect_in "release" "$out" "Paired 2 old folders with"
expect_in "release project" "$(cat out/rel.prj)" "Quenlark Old Versions V1"
expect_in "release script" "$(cat out/rel.qnl)" "File=gone.txt"
# Wrong command lines, a file that is not a project and refused release folders exit with 1
# and write nothing.
files=$(find . | sort)
while IFS='|' read -r args message; do
  eval "run $args"
  expect_code "refused: $args" 1 "$code"
  expect_in "refused: $args" "$err" "$message"
done <<'CASES'
|QuenMake PROJECT.prj /script OUTPUT.qnl
a.prj /script|
a.prj /script b.qnl /fast|unknown switch /fast
a.prj /script b.qnl /exe c.exe|name one output
a.prj b.prj /script c.qnl|
kept.qnl /script elsewhere.qnl|File Format Error!
/from rel/A /to rel/A /script out/x.qnl|is named twice
/from rel/A /from rel/A/ /to rel/C /script out/x.qnl|named twice
/from rel/A /to rel/C /script rel/C/x.qnl|inside the source folder
/from rel/A /to rel/C /project rel/A/sub/x.prj|inside the source folder
/from rel/nope /to rel/C /script out/x.qnl|does not exist
/from rel/C/sub /to rel/C /script out/x.qnl|lies inside
/from rel/A /to rel/C /script out/x.qnl /fast|unknown switch /fast
/from rel/A /to rel/C|name the file to write
/from rel/A /script out/x.qnl|needs /from OLD_FOLDER and /to NEW_FOLDER
demo.prj /from rel/A /to rel/C /script out/x.qnl|not both
/from rel/A /to rel/C /script out/x.qnl /template nope.tpl|nope.tpl
CASES
[ "$(find . | sort)" = "$files" ] || fail "a refused release wrote a file"

[ $failures -eq 0 ] || { echo "$failures failure(s)" >&2; exit 1; }
echo "QuenMake native: all checks passed"
