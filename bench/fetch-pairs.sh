#!/usr/bin/env bash
# Fetches pairs of successive releases of real Windows executables into a cache outside
# the repository (QUEN_BENCH_CACHE, default ~/.cache/quenlark-bench): each pair becomes
# pairs/<name>/old.exe and pairs/<name>/new.exe. Nothing fetched here is committed.
set -euo pipefail
cache=${QUEN_BENCH_CACHE:-$HOME/.cache/quenlark-bench}
mkdir -p "$cache/pkgs" "$cache/pairs"
command -v npm >/dev/null || { echo "fetch-pairs.sh needs npm (apt-get install npm)" >&2; exit 1; }

# pack <package> <version>: the npm tarball of that version, fetched once.
pack() {
    local file
    file=$(echo "$1-$2.tgz" | sed 's|^@||; s|/|-|')
    if [ ! -f "$cache/pkgs/$file" ]; then
        (cd "$cache/pkgs" && npm pack --silent "$1@$2" >/dev/null)
    fi
    echo "$cache/pkgs/$file"
}

# pair <name> <package> <old version> <new version> <path inside the package>
pair() {
    local dir="$cache/pairs/$1"
    [ -f "$dir/old.exe" ] && [ -f "$dir/new.exe" ] && return
    mkdir -p "$dir"
    tar xzf "$(pack "$2" "$3")" -O "package/$5" > "$dir/old.exe"
    tar xzf "$(pack "$2" "$4")" -O "package/$5" > "$dir/new.exe"
    echo "$1: $3 -> $4 ($(stat -c %s "$dir/old.exe") -> $(stat -c %s "$dir/new.exe") bytes)"
}

pair 7za-ia32 7zip-bin 5.1.1 5.2.0 win/ia32/7za.exe
pair 7za-x64 7zip-bin 5.1.1 5.2.0 win/x64/7za.exe
pair esbuild-x64 @esbuild/win32-x64 0.28.1 0.28.2 esbuild.exe
pair sharp-dll @img/sharp-win32-x64 0.34.4 0.34.5 lib/sharp-win32-x64.node
pair dprint-x64 @dprint/win32-x64 0.50.1 0.50.2 dprint.exe
pair esbuild-ia32 @esbuild/win32-ia32 0.28.1 0.28.2 esbuild.exe
pair rollup-dll @rollup/rollup-win32-x64-msvc 4.67.4 4.68.0 rollup.win32-x64-msvc.node

# synthetic <name> <period>: the quick mode's worst case. Old: 256 KiB of one short
# pattern repeated (period 1: zero bytes); new: the same with every 50th byte changed, so
# no run reaches the sample size while the index's windows match nearly everywhere and
# its verification budget runs out on every lookup.
synthetic() {
    [ -f "$cache/pairs/$1/new.exe" ] && return
    python3 - "$cache/pairs/$1" "$2" <<'PY'
import os, random, sys
folder, period = sys.argv[1], int(sys.argv[2])
os.makedirs(folder, exist_ok=True)
rnd = random.Random(period)
unit = bytes(rnd.randrange(256) for _ in range(period)) if period > 1 else b"\0"
old = (unit * (262144 // period + 1))[:262144]
new = bytearray(old)
for i in range(25, len(new), 50):
    new[i] ^= 0x5A
open(os.path.join(folder, "old.exe"), "wb").write(old)
open(os.path.join(folder, "new.exe"), "wb").write(new)
PY
    echo "$1: synthetic, period $2"
}

synthetic zeros 1
synthetic period16 16
echo "pairs in $cache/pairs"
