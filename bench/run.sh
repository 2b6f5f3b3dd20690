#!/usr/bin/env bash
# Runs the encoder benchmark over every fetched pair (bench/fetch-pairs.sh) and prints a
# markdown table. Oracle and production times are processor seconds of the same run; the
# oracle stops at --oracle-limit seconds (then its time and the ratio are lower bounds).
# Usage: bench/run.sh [--oracle-limit SECONDS] [--no-oracle]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUEN_BENCH_CACHE:-$HOME/.cache/quenlark-bench}
bench=${QUEN_BENCH_BIN:-$root/build/native/bench/comp_bench}
[ -x "$bench" ] || { echo "build it first: cmake --build --preset native --target comp_bench" >&2; exit 1; }
[ -d "$cache/pairs" ] || { echo "fetch pairs first: bench/fetch-pairs.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "| pair | old bytes | new bytes | oracle s | production s | speed-up | peak memory (x both files) | encoder memory (x both files) | decoder | difference bytes | zlib -9 bytes | xdelta3 -9 bytes | bsdiff bytes |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|"
for dir in "$cache"/pairs/*/; do
    name=$(basename "$dir")
    row=$("$bench" "$name" "$dir/old.exe" "$dir/new.exe" "$@")
    xdelta3 -9 -e -f -s "$dir/old.exe" "$dir/new.exe" "$work/x.vcdiff"
    bsdiff "$dir/old.exe" "$dir/new.exe" "$work/x.bsdiff"
    echo "$row $(stat -c %s "$work/x.vcdiff") | $(stat -c %s "$work/x.bsdiff") |"
done
