#!/usr/bin/env bash
# The cabinet tool under Wine as the make step runs it (/F, the files in the working
# folder, the shipped template followed by the file lines), every cabinet read back by
# Wine's own cabinet reader (extrac32, through FDI); a bad directive writes nothing.
. "$(dirname "$0")/lib.sh"
need_dist

work=$QUEN_E2E_OUT/qcab-files  # outside $E2E_RUN, which the first start clears
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
files=(P1 P2 P3 Setup.img Setup.ini)
head -c 300000 "$QUEN_DIST/QuenDiff.exe" >P1
cp "$QUEN_DIST/QCab.exe" P2
: >P3
head -c 70000 /dev/urandom >Setup.img
printf '[Setup]\r\nShowP=0' >Setup.ini

directives() {  # NAME EXTRA-LINES: the template, extra .Set lines, the file lines
  { cat "$QUEN_DIST/Patch.ddf"; printf '\r\n%s\r\n.Set CabinetNameTemplate=%s.CAB' "$2" "$1"
    for f in "${files[@]}"; do printf '\r\n"%s"' "$f"; done; } >"$1.ddf"
}

for kind in "MSZIP" "LZX 15" "LZX 21"; do
  read -r type memory <<<"$kind"
  name=$type${memory:-}
  directives "$name" ".Set CompressionType=$type"$'\r\n'".Set CompressionMemory=${memory:-21}"
  start "qcab_$name" "$QUEN_DIST/QCab.exe" /F "$(winpath "$work/$name.ddf")"
  expect_exit "qcab_$name" 0 180
  mkdir -p "out_$name"
  start "fdi_$name" extrac32 /Y /E /L "$(winpath "$work/out_$name")" "$(winpath "$work/$name.CAB")"
  expect_exit "fdi_$name" 0 60
  for f in "${files[@]}"; do
    cmp -s "$f" "out_$name/$f" || fail "$name: $f is not restored by FDI"
  done
done

directives Bad ".Set CompressionType=LZX"$'\r\n'".Set Bogus=1"
start qcab_bad "$QUEN_DIST/QCab.exe" /F "$(winpath "$work/Bad.ddf")"
expect_exit qcab_bad 1
[ -e Bad.CAB ] && fail "a refused directive file left a cabinet"
expect_contains "error message" "$(cat "$E2E_RUN/qcab_bad.err")" "line 10: unknown variable Bogus"
finish
