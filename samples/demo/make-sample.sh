#!/usr/bin/env bash
# Makes the sample patch: an old and a new version of a small program folder and the
# project that turns one into the other.
#   samples/demo/make-sample.sh OUT
# OUT/old and OUT/new differ by a patched executable (app.exe), an added file (help.txt),
# a deleted file (obsolete.dll), a byte replacement (readme.txt), an INI change
# (settings.ini) and a rename (notes.txt -> changes.txt). OUT/demo.prj names the files
# by their Wine paths (Z:...), so QuenMake.exe under Wine can read them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
rm -rf "$out/old" "$out/new"
mkdir -p "$out/old" "$out/new"
cc=x86_64-w64-mingw32-gcc
$cc -O2 -s -o "$out/old/app.exe" "$here/app.c"
$cc -O2 -s -DV2 -o "$out/new/app.exe" "$here/app.c"
printf 'Demo 1.0\r\nA tiny program to show a patch.\r\n' >"$out/old/readme.txt"
printf 'Demo 2.0\r\nA tiny program to show a patch.\r\n' >"$out/new/readme.txt"
printf '[Main]\r\nVersion=1.0\r\nName=Demo' >"$out/old/settings.ini"
printf '[Main]\r\nVersion=2.0\r\nName=Demo' >"$out/new/settings.ini"
printf 'Changes of Demo.\r\n' >"$out/old/notes.txt"
cp "$out/old/notes.txt" "$out/new/changes.txt"
printf 'MZ an old library no longer needed\r\n' >"$out/old/obsolete.dll"
printf 'Run app.exe with a sentence to count its words.\r\n' >"$out/new/help.txt"

python3 - "$out" <<'PY'
import sys
out = sys.argv[1]
w = lambda p: 'Z:' + (out + '/' + p).replace('/', '\\')
L = []
text = lambda t: L.append('"%s"' % t)
num = lambda n: L.append(str(n))
def lst(xs):
    num(len(xs)); [text(x) for x in xs]
text('Dravin Project File V1.0'); text('&About'); lst([]); text('Some files were skipped.')
text('&Cancel'); num(0); lst([]); num(0); text('Demo is now version 2.0.'); text('Demo patch finished')
text('File not found!'); num(0); text(''); text('Information'); text('Tahoma'); num(9); num(0); lst([])
text('&OK'); text('Patch Error'); text('Patching...'); text('Failed!'); text(''); text('')
text('Press OK to update Demo.'); num(1); num(0); L.append('#FALSE#'); num(0); num(1)
text('Source file differs!'); text('This patch updates Demo 1.0 to 2.0.\\nPress OK to go on.')
text('Welcome to the Demo patch'); text('Demo Patch'); text('Adding'); text('Deleting'); text('Running')
text('Patching bytes of'); text('Patching'); text('Patching INI'); text('Renaming'); text('OK')
def action(kind, file, dirtype, new='', byts=(), ini=(), ask=('', '', '', '', '')):
    num(kind); num(0)
    for t in ask: text(t)          # browse, not found, OK, prompt, title
    num(len(byts))
    for b in byts: [text(x) for x in b]
    folder = lambda p: p.rsplit('\\', 1)[0] if '\\' in p else ''
    text(folder(file)); num(0); text(file); num(len(ini)); [text(k) for k in ini]
    text(folder(new)); text(new); text(dirtype); text(''); num(0); text('')
num(6)
action(2, w('old/app.exe'), '< Ask User >', new=w('new/app.exe'),
       ask=('&Browse', 'Folder not found!', '&OK', 'Where is Demo installed?', 'Demo folder'))
action(1, w('new/help.txt'), '< Previous >')
action(3, w('old/readme.txt'), '< Previous >', byts=[('1', '31 2E 30', '32 2E 30')])
action(5, w('old/settings.ini'), '< Previous >', ini=['Main,Version,2.0'])
action(4, w('old/obsolete.dll'), '< Previous >')
action(6, w('old/notes.txt'), '< Previous >', new='changes.txt')
open(out + '/demo.prj', 'wb').write(('\r\n'.join(L) + '\r\n').encode('latin-1'))
PY
echo "sample: $out/old, $out/new, $out/demo.prj"
