#!/usr/bin/env bash
# Release benchmark: builds an old and a new program folder from two versions of npm
# packages that carry Windows programs (about 300 MB and 1,850 files each, cached in
# QUEN_BENCH_CACHE, default ~/.cache/quenlark-bench), makes the patch executable from them
# with the native QuenMake's release form on one thread and on all, and prints files,
# bytes, processor and wall time, peak memory and the patch size beside the new folder
# zipped (zip -9) and zstd -19 --patch-from per changed file, summed.
# Needs the native build (cmake --build --preset native --target QuenMake QCab), npm,
# zip, zstd and GNU time. Not part of the tests: it fetches about 300 MB once and runs
# for minutes.
# Usage: bench/release-bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUEN_BENCH_CACHE:-$HOME/.cache/quenlark-bench}
native=$root/out/native
for tool in npm zip zstd /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "release-bench.sh needs $tool" >&2; exit 1; }
done
[ -x "$native/src/programs/QuenMake/QuenMake" ] && [ -x "$native/src/programs/QCab/QCab" ] ||
    { echo "build it first: cmake --build --preset native --target QuenMake QCab" >&2; exit 1; }
mkdir -p "$cache/pkgs"

# pack <package> <version>: the npm tarball of that version, fetched once.
pack() {
    local file
    file=$(echo "$1-$2.tgz" | sed 's|^@||; s|/|-|')
    [ -f "$cache/pkgs/$file" ] || (cd "$cache/pkgs" && npm pack --silent "$1@$2" >/dev/null)
    echo "$cache/pkgs/$file"
}

# Each package's files go to old/<folder> and new/<folder>, as an installer lays them out.
packages=(
    "typescript typescript 5.8.3 5.9.2"
    "lodash lodash 4.18.0 4.18.1"
    "moment moment 2.29.4 2.30.1"
    "sharp @img/sharp-win32-x64 0.34.4 0.34.5"
    "esbuild @esbuild/win32-x64 0.28.1 0.28.2"
    "esbuild32 @esbuild/win32-ia32 0.28.1 0.28.2"
    "dprint @dprint/win32-x64 0.50.1 0.50.2"
    "7zip 7zip-bin 5.1.1 5.2.0"
    "lightningcss lightningcss-win32-x64-msvc 1.32.0 1.33.0"
    "swc @swc/core-win32-x64-msvc 1.16.20 1.16.22"
    "rollup @rollup/rollup-win32-x64-msvc 4.67.4 4.68.0"
    "next-swc @next/swc-win32-x64-msvc 16.4.6 16.5.0"
    "esbuild-arm64 @esbuild/win32-arm64 0.28.1 0.28.2"
    "sharp32 @img/sharp-win32-ia32 0.34.4 0.34.5"
    "dprint-arm64 @dprint/win32-arm64 0.50.1 0.50.2"
    "swc32 @swc/core-win32-ia32-msvc 1.16.20 1.16.22"
    "prettier prettier 3.6.1 3.6.2"
)
pair=$cache/release
if [ ! -f "$pair/.complete" ]; then
    rm -rf "$pair"
    for p in "${packages[@]}"; do
        read -r folder name old new <<<"$p"
        for side in old new; do
            version=$old
            [ $side = new ] && version=$new
            mkdir -p "$pair/$side/$folder"
            tar xzf "$(pack "$name" "$version")" -C "$pair/$side/$folder" --strip-components=1
        done
    done
    # The first action names the program's folder: both versions keep a file at the top.
    for side in old new; do echo "Release benchmark ($side)" >"$pair/$side/readme.txt"; done
    touch "$pair/.complete"
fi
old=$pair/old new=$pair/new
count() { find "$1" -type f -not -name .complete | wc -l; }
bytes() { find "$1" -type f -not -name .complete -printf '%s\n' | awk '{s += $1} END {print s}'; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prog=$work/prog
mkdir -p "$prog/Language"
cp "$native/src/programs/QuenMake/QuenMake" "$prog/"
cp "$native/src/programs/QCab/QCab" "$prog/QCab.exe"
cp -r "$root"/assets/{Quenlark.ini,Patch.ddf,Templet} "$prog/"
cp "$native/Language/English.lng" "$prog/Language/"
# The native build has no executable head; the Windows one is used when built, else a
# stand-in of its usual size (the head is the same in every patch).
headexe=$root/dist/win64/PatchHead.exe
if [ -f "$headexe" ]; then cp "$headexe" "$prog/PatchHead.exe"; else head -c 200000 /dev/zero >"$prog/PatchHead.exe"; fi

# QUEN_BENCH_LEVEL: the cabinet's LZX level instead of the shipped template's 7 (level 7
# packs this pair at about 2 MB per processor second, level 1 several times faster).
level=${QUEN_BENCH_LEVEL:-7}
sed -i "s/^.Set CompressionLevel=.*/.Set CompressionLevel=$level/" "$prog/Patch.ddf"

# run_make <threads>: one release make; prints "wall user+sys peak-KB patch-bytes".
run_make() {
    rm -f "$work/patch.exe"
    local start cab
    start=$(date +%s.%N)
    QUEN_MAKE_THREADS=$1 /usr/bin/time -f '%e %U %S %M' -o "$work/time" \
        "$prog/QuenMake" /from "$old" /to "$new" /exe "$work/patch.exe" 2>&1 |
        while IFS= read -r line; do
            case $line in Writing*) date +%s.%N >"$work/cab-start" ;; esac
            echo "$line"
        done >"$work/make-$1.log" || { cat "$work/make-$1.log" >&2; exit 1; }
    read -r wall user sys peak <"$work/time"
    cab=$(echo "$(cat "$work/cab-start") - $start" | bc)
    echo "$wall $(echo "$user + $sys" | bc) $peak $(stat -c %s "$work/patch.exe") $cab"
}

echo "old: $(count "$old") files, $(bytes "$old") bytes; new: $(count "$new") files, $(bytes "$new") bytes"
echo "processors: $(nproc), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'); load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "cabinet: LZX level $level"
read -r wallN cpuN peakN sizeN pairN <<<"$(run_make "$(nproc)")"
echo "$(nproc) threads: $wallN s wall ($pairN s to the cabinet), $cpuN s processor, $peakN KB peak, $sizeN bytes"
read -r wall1 cpu1 peak1 size1 pair1 <<<"$(run_make 1)"
echo "1 thread: $wall1 s wall ($pair1 s to the cabinet), $cpu1 s processor, $peak1 KB peak, $size1 bytes"
[ "$size1" = "$sizeN" ] || echo "warning: the patch differs between one thread ($size1) and all ($sizeN)" >&2
actions=$(grep -c '] Proc' "$work/make-1.log" || true)

(cd "$new" && zip -q -9 -r "$work/new.zip" . -x .complete)
# zstd per file: a changed file as a patch from its old version, a new file compressed
# alone, an unchanged or removed one nothing.
zsum=0
while IFS= read -r -d '' f; do
    rel=${f#"$new"/}
    if [ -f "$old/$rel" ]; then
        cmp -s "$old/$rel" "$f" && continue
        zstd -q -19 -T0 --patch-from="$old/$rel" "$f" -o "$work/z" -f
    else
        zstd -q -19 -T0 "$f" -o "$work/z" -f
    fi
    zsum=$((zsum + $(stat -c %s "$work/z")))
done < <(find "$new" -type f -not -name .complete -print0)

echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| measure | 1 thread | $(nproc) threads |"
echo "|---|---|---|"
echo "| wall seconds | $wall1 | $wallN |"
echo "| of which pairing and differences (until the cabinet tool starts) | $pair1 | $pairN |"
echo "| processor seconds (user + system, maker and cabinet tool) | $cpu1 | $cpuN |"
echo "| peak memory (largest process), MB | $((peak1 / 1024)) | $((peakN / 1024)) |"
echo "| patch executable bytes ($actions actions) | $size1 | $sizeN |"
echo
echo "| new folder zip -9 | zstd -19 --patch-from per file, summed | patch / zip | patch / zstd |"
echo "|---|---|---|---|"
zip=$(stat -c %s "$work/new.zip")
echo "| $zip | $zsum | $(echo "scale=3; $sizeN / $zip" | bc) | $(echo "scale=3; $sizeN / $zsum" | bc) |"
