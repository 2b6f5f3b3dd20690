#!/usr/bin/env bash
# QuenMake.exe /exe under Wine, in folders with a blank and a code-page letter: a table
# project (every action kind in every directory kind, registry entries and an icon) applied
# silently leaves every folder and the registry as expected and shows the given icon in
# Explorer; no package folder is left; a link left in it is not followed; a release patch from
# two old folders updates either. (A make without a head: PackageMake_test; editor.sh makes
# and applies the sample patch.)
. "$(dirname "$0")/lib.sh"
need_dist

root=$(mktemp -d /tmp/quenmake-exe.XXXXXX)
trap 'rm -rf "$root"; e2e_cleanup' EXIT
# The sample's app.exe pair is the table's patched file.
"$E2E_ROOT/samples/demo/make-sample.sh" "$root/sample" >/dev/null || { fail "the sample was not made"; finish; }
prog=$root/prog
mkdir -p "$prog/Language"
cp "$QUEN_DIST"/{QuenMake.exe,Quenlark.ini,QCab.exe,Patch.ddf,PatchHead.exe} "$prog/"
cp "$QUEN_DIST"/Language/English.lng "$prog/Language/"
e2e_setup  # the Windows folders and the registry below are the test prefix's
# The temp folder, the patch's folders and the files it runs have a blank and a letter of
# the code page in their names, as "C:\Users\Jane Doé\AppData\Local\Temp" has.
temp="$WINEPREFIX/drive_c/Temp Dé"
mkdir -p "$temp"
for v in TEMP TMP; do "$E2E_WINE_RUN" reg add 'HKCU\Environment' /v $v /d 'C:\Temp Dé' /f >/dev/null; done
temp_left() { ls -d "$temp"/QuenlarkTemp* 2>/dev/null; }  # and its lock

# --- the table: group G of each directory kind acts on files named G-*, one action per kind.
# Me is the patch's folder, Reg a file path read from the registry, Ask the /D answer; .\sub
# and Pre follow the literal group, so they resolve to lit\sub and lit.
t="$root/ta blé"
declare -A dirs=([me]=$t/me [reg]=$t/reg [ask]=$t/ask [win]=$WINEPREFIX/drive_c/windows
  [sys]=$WINEPREFIX/drive_c/windows/system32 [lit]=$t/lit [sub]=$t/lit/sub [pre]=$t/lit)
groups="me reg ask win sys lit sub pre"
mkdir -p "$t/old" "$t/new" "$t/me" "$t/reg" "$t/ask" "$t/lit/sub"
for g in $groups; do
  cp "$root/sample/old/app.exe" "$t/old/$g-app.exe"
  cp "$root/sample/new/app.exe" "$t/new/$g-app.exe"
  printf 'echo ran>%s-ran.txt\r\n' "$g" | tee "$t/old/$g-run.bat" >"$t/new/$g-run.bat"
  printf 'ran\r\n' >"$t/new/$g-ran.txt"
  printf 'added %s' "$g" | tee "$t/old/$g-add.txt" >"$t/new/$g-add.txt"
  printf 'Demo 1.0\r\n' >"$t/old/$g-bytes.txt"
  printf 'Demo 2.0\r\n' >"$t/new/$g-bytes.txt"
  printf 'bye' >"$t/old/$g-gone.txt"
  printf '[Main]\r\nVersion=1.0' >"$t/old/$g-conf.ini"
  printf '[Main]\r\nVersion=2.0' >"$t/new/$g-conf.ini"
  printf 'same %s' "$g" | tee "$t/old/$g-ren.txt" >"$t/new/$g-renamed.txt"
  # The target folder holds what the patch changes (not what it adds or runs).
  for f in app.exe bytes.txt gone.txt conf.ini ren.txt; do cp "$t/old/$g-$f" "${dirs[$g]}/"; done
done
# A 256-colour icon in the head's 32-bit icon area: the group entry must follow the image.
convert -size 32x32 gradient:navy-gold -fill red -draw 'circle 16,16 16,6' -colors 200 "PNG8:$t/icon.png"
icotool -c -o "$t/icon.ico" "$t/icon.png"
python3 - "$t" "$groups" <<'PY'
import sys
t, groups = sys.argv[1], sys.argv[2].split()
w = lambda p: 'Z:' + (t + '/' + p).replace('/', '\\')
L = []
text = lambda *xs: L.extend('"%s"' % x for x in xs)
num = lambda *ns: L.extend(str(n) for n in ns)
text('Dravin Project File V1.0', '&About'); num(2)
text(r'STR,HKCU,Software\QuenTable,Name,Table 2', r'DWORD,HKCU,Software\QuenTable,Count,&H10')
text('Broken', '&Cancel'); num(0, 1); text(r'DWORD,HKCU,Software\QuenTable,Old,0')
num(0); text('Done', 'End', 'File not found!'); num(0); text('', 'Info', 'Tahoma'); num(9, 0, 0)
text('&OK', 'Error', 'Patching', 'Failed!', '', w('icon.ico'), 'Press OK'); num(0, 0)
L.append('#FALSE#'); num(0, 0)
text('Source file differs!', 'Welcome', 'Welcome', 'Table', 'ADD', 'DEL', 'RUN', 'BYTES', 'PATCH', 'INI',
     'REN', 'OK!')
kinds = {'me': '< Me >', 'reg': '< Reg >', 'ask': '< Ask User >', 'win': '< Windows >', 'sys': '< System >',
         'lit': w('lit'), 'sub': '.\\sub', 'pre': '< Previous >'}
def action(kind, g, name, dirtype, new='', byts=(), ini=()):
    num(kind, 0); text('&Browse', 'Not found', '&OK', 'Where?', 'Folder'); num(len(byts))
    for b in byts: text(*b)
    text(''); num(0); text(w('old/%s-%s' % (g, name))); num(len(ini)); text(*ini)
    text('', new, dirtype)
    if g == 'reg': text('Program'); num(2); text(r'Software\QuenTable')
    else: text(''); num(0); text('')
num(7 * len(groups))
for g in groups:
    d = kinds[g]
    action(0, g, 'run.bat', d)
    action(1, g, 'add.txt', d)
    action(2, g, 'app.exe', d, new=w('new/%s-app.exe' % g))
    action(3, g, 'bytes.txt', d, byts=[('1', '31 2E 30', '32 2E 30')])
    action(4, g, 'gone.txt', d)
    action(5, g, 'conf.ini', d, ini=['Main,Version,2.0'])
    action(6, g, 'ren.txt', d, new='%s-renamed.txt' % g)
open(t + '/table.prj', 'wb').write(('\r\n'.join(L) + '\r\n').encode('latin-1'))
PY
"$E2E_WINE_RUN" reg add 'HKCU\Software\QuenTable' /v Program /d "$(winpath "$t/reg")\\app.exe" /f >/dev/null
"$E2E_WINE_RUN" reg add 'HKCU\Software\QuenTable' /v Old /t REG_DWORD /d 1 /f >/dev/null
# The classic records of the quick mode, decoded by the head (editor.sh applies the
# shipped settings' compact data).
sed -i 's/^Comp_Mode=3/Comp_Mode=1/' "$prog/Quenlark.ini"
start table "$prog/QuenMake.exe" "$(winpath "$t/table.prj")" /exe "$(winpath "$t/me/Table.exe")"
expect_exit table 0 180
expect_eq "package folder removed" "" "$(temp_left)"
start table_apply "$t/me/Table.exe" /S "/D=$(winpath "$t/ask")"
expect_exit table_apply 0 120
for g in $groups; do
  d=${dirs[$g]}
  expect_eq "$g: files" "$(cd "$t/new" && ls $g-*)" "$(cd "$d" && ls $g-* 2>/dev/null)"
  for f in "$t/new/$g"-*; do
    cmp -s "$f" "$d/${f##*/}" || fail "$g: ${f##*/} differs from the expected file"
  done
done
expect_eq "registry string" "Table 2" "$(reg_data 'HKCU\Software\QuenTable' Name)"
expect_eq "registry number" "0x10" "$(reg_data 'HKCU\Software\QuenTable' Count)"
expect_eq "registry value deleted" "" "$(reg_data 'HKCU\Software\QuenTable' Old)"
# Explorer shows the executable's first icon group: it must be the given 32x32 image.
wrestool -x -t 14 -o "$t/shown.ico" "$t/me/Table.exe" 2>"$t/wrestool.err" && icotool -x -o "$t/shown.png" "$t/shown.ico" ||
  fail "no icon group in the made executable"
expect_eq "icon group and image agree" "" "$(cat "$t/wrestool.err")"
expect_eq "Explorer icon" "0" "$(compare -metric AE "$t/icon.png" "$t/shown.png" null: 2>&1)"

# --- a release patch from folders: two old versions (app.exe differs between them, lib.dll is
# equal in both) and a new one with an added file, a deleted one and a new sub folder. Applied
# to a copy of either old folder it gives the new folder; to a folder that is neither it fails
# and changes nothing; the project it wrote makes a patch that does the same.
r=$root/rel
mkdir -p "$r"/{A,B}/sub "$r/C/sub/fresh"
for v in A B; do
  printf 'lib 1' >"$r/$v/lib.dll"; printf same >"$r/$v/same.txt"; printf bye >"$r/$v/gone.txt"
  printf 'deep 1' >"$r/$v/sub/d.dat"
done
cp "$root/sample/old/app.exe" "$r/A/"
{ cat "$root/sample/old/app.exe"; printf 'build B'; } >"$r/B/APP.EXE"
cp "$root/sample/new/app.exe" "$r/C/"
printf 'lib 2' >"$r/C/lib.dll"; printf same >"$r/C/same.txt"; printf new >"$r/C/new.txt"
printf 'deep 2' >"$r/C/sub/d.dat"; printf fresh >"$r/C/sub/fresh/f.dat"
start release "$prog/QuenMake.exe" /from "$(winpath "$r/A")" /FROM "$(winpath "$r/B")" /to "$(winpath "$r/C")" \
  /exe "$(winpath "$r/Release.exe")" /project "$(winpath "$r/release.prj")"
expect_exit release 0 180
start release_again "$prog/QuenMake.exe" "$(winpath "$r/release.prj")" /exe "$(winpath "$r/Again.exe")"
expect_exit release_again 0 180
for patch in Release Again; do
  for v in A B neither; do
    rm -rf "$r/t-$v"; cp -r "$r/${v/neither/A}" "$r/t-$v"
    # lib.dll follows app.exe: the patched app.exe must be undone.
    [ $v = neither ] && printf 'another build' >>"$r/t-$v/lib.dll" && cp -r "$r/t-$v" "$r/t-before"
    start "apply_${patch}_$v" "$r/$patch.exe" /S "/D=$(winpath "$r/t-$v")"
    if [ $v = neither ]; then
      expect_exit "apply_${patch}_$v" 2 120
      diff -r "$r/t-before" "$r/t-$v" >/dev/null || fail "$patch: a folder of neither version was changed"
      rm -rf "$r/t-before"
    else
      expect_exit "apply_${patch}_$v" 0 120
      diff -r --ignore-file-name-case "$r/C" "$r/t-$v" >/dev/null || fail "$patch on $v: the folder is not the new version"
    fi
  done
done

# A link left in the package folder by someone else: the clean-up never empties its target
# (Wine cannot remove a link to a folder, so here the make stops; Windows removes the link).
mkdir -p "$t/linked" "$temp/QuenlarkTemp"
printf keep >"$t/linked/keep.txt"
ln -s "$t/linked" "$temp/QuenlarkTemp/link"
start linked "$prog/QuenMake.exe" "$(winpath "$t/table.prj")" /exe "$(winpath "$root/linked.exe")"
expect_exit linked 1 60
expect_eq "the link's target kept" keep "$(cat "$t/linked/keep.txt" 2>/dev/null)"

finish
