#!/usr/bin/env bash
# Cabinet benchmark: packages packed by QCab's writer with MSZIP and LZX (2 MB window,
# level 7), beside xz -9 over the same files; prints a markdown table.
# Packages: "sample" (the shipped texts and the demo sample's new folder, as a patch that
# adds files carries them); per fetched pair (bench/fetch-pairs.sh) "<pair> diff" (the
# difference data QuenDiff makes from the pair plus a package script) and "<pair> new"
# (the new executable alone, as an Add File action carries it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUEN_BENCH_CACHE:-$HOME/.cache/quenlark-bench}
build=${QUEN_BENCH_BUILD:-$root/out/native}
bench=$build/bench/cab_bench quendiff=$build/src/programs/QuenDiff/QuenDiff
[ -x "$bench" ] && [ -x "$quendiff" ] || { echo "build first: cmake --build --preset native --target cab_bench QuenDiff" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

row() {  # NAME FILE...
    local name=$1 out xz
    shift
    out=$("$bench" "$name" "$@")
    xz=$(cat "$@" | xz -9 -c | wc -c)
    lzx=$(echo "$out" | awk -F'|' '{print $5}')
    echo "$out $xz | $(awk -v a="$lzx" -v b="$xz" 'BEGIN { printf "%.3f", a / b }') |"
}

echo "| package | bytes | MSZIP cabinet | LZX cabinet | LZX / MSZIP | QCab LZX MB/s | QCab MSZIP MB/s | zlib -9 MB/s | xz -9 bytes | LZX / xz |"
echo "|---|---|---|---|---|---|---|---|---|---|"
printf '[Setup]\r\nShowP=0\r\nActionCount=1\r\n[Action1]\r\nActType=2\r\nFileName=app.exe\r\n' >"$work/Setup.ini"
"$root/samples/demo/make-sample.sh" "$work/demo" >/dev/null
row sample "$build/Language/English.lng" "$root"/assets/Language/*.lng "$root"/assets/Templet/*.tpl "$work"/demo/new/* "$work/Setup.ini"
if [ -d "$cache/pairs" ]; then
    for dir in "$cache"/pairs/*/; do
        name=$(basename "$dir")
        "$quendiff" encode "$dir/old.exe" "$dir/new.exe" "$work/$name.diff" >/dev/null
        row "$name diff" "$work/$name.diff" "$work/Setup.ini"
        row "$name new" "$dir/new.exe"
    done
fi
