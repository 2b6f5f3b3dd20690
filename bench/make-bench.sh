#!/usr/bin/env bash
# Make benchmark: QuenMake.exe /exe under Wine on the sample patch (samples/demo) and on
# a one-action project (Patch File) per fetched pair (bench/fetch-pairs.sh), once per
# cabinet compression; prints the cabinet size and make time of each beside xz -9 of the
# new file and xdelta3 -9 and bsdiff of the pair. A compression the cabinet tool refuses
# shows "refused". Needs the win64 build (cmake --build --preset win64).
# Usage: bench/make-bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUEN_BENCH_CACHE:-$HOME/.cache/quenlark-bench}
dist=$root/dist/win64
export QUEN_BUILD=$root/out/win64
[ -x "$dist/QuenMake.exe" ] || { echo "build it first: cmake --build --preset win64" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
winpath() { echo "Z:${1//\//\\}"; }
prog=$work/prog
mkdir -p "$prog/Language"
cp "$dist"/{QuenMake.exe,Quenlark.ini,QCab.exe,PatchHead.exe} "$prog/"
cp "$dist/Language/English.lng" "$prog/Language/"
head_size=$(stat -c %s "$prog/PatchHead.exe")

"$root/samples/demo/make-sample.sh" "$work/sample" >/dev/null
cases=("sample|$work/sample/demo.prj|$work/sample/old/app.exe|$work/sample/new/app.exe")
# A project of one Patch File action from the sample's project options.
for dir in "$cache"/pairs/*/; do
    [ -f "$dir/old.exe" ] || continue
    name=$(basename "$dir")
    python3 - "$work/sample/demo.prj" "$work/$name.prj" "$(winpath "$dir/old.exe")" "$(winpath "$dir/new.exe")" <<'PY'
import sys
src, dst, old, new = sys.argv[1:]
lines = open(src, 'rb').read().decode('latin-1').split('\r\n')
opts = lines[:lines.index('"OK"') + 1]
act = ['2', '0', '""', '""', '""', '""', '""', '0', '""', '0', '"%s"' % old, '0', '""', '"%s"' % new,
       '"< Me >"', '""', '0', '""']
open(dst, 'wb').write(('\r\n'.join(opts + ['1'] + act) + '\r\n').encode('latin-1'))
PY
    cases+=("$name|$work/$name.prj|$dir/old.exe|$dir/new.exe")
done

echo "Patch executables: the head ($head_size bytes) + 4 + the cabinet; cabinet bytes and make seconds (wall, under Wine)."
echo
echo "| case | new bytes | NONE cabinet | MSZIP cabinet | LZX cabinet | MSZIP make s | LZX/MSZIP | xz -9 new | xdelta3 -9 | bsdiff |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for c in "${cases[@]}"; do
    IFS='|' read -r name prj old new <<<"$c"
    declare -A cab=() secs=()
    for type in NONE MSZIP LZX; do
        sed "s/^.Set CompressionType=.*/.Set CompressionType=$type/" "$dist/Patch.ddf" >"$prog/Patch.ddf"
        rm -f "$work/out.exe"
        start=$(date +%s.%N)
        if "$root/tools/wine-run.sh" "$prog/QuenMake.exe" "$(winpath "$prj")" /exe "$(winpath "$work/out.exe")" \
            >/dev/null 2>&1; then
            cab[$type]=$(($(stat -c %s "$work/out.exe") - head_size - 4))
            secs[$type]=$(echo "$(date +%s.%N) - $start" | bc)
        else
            cab[$type]=refused
        fi
    done
    ratio="n/a"
    [ "${cab[LZX]}" != refused ] && ratio=$(echo "scale=3; ${cab[LZX]} / ${cab[MSZIP]}" | bc)
    xz -9 -c "$new" >"$work/new.xz"
    xdelta3 -9 -e -f -s "$old" "$new" "$work/x.vcdiff"
    bsdiff "$old" "$new" "$work/x.bsdiff"
    printf '| %s | %s | %s | %s | %s | %.1f | %s | %s | %s | %s |\n' "$name" "$(stat -c %s "$new")" \
        "${cab[NONE]}" "${cab[MSZIP]}" "${cab[LZX]}" "${secs[MSZIP]:-0}" "$ratio" \
        "$(stat -c %s "$work/new.xz")" "$(stat -c %s "$work/x.vcdiff")" "$(stat -c %s "$work/x.bsdiff")"
    unset cab secs
done
