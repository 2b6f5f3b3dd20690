#!/usr/bin/env bash
# Runs the encoder benchmark over every pair (bench/fetch-pairs.sh) and prints four
# markdown tables from the same run: the quick mode against the oracle, the sizes of
# the modes and of the delta tools, the thorough mode's time and memory, and the compact
# mode's sizes, times, memory and decoding speed beside the tools. Times are
# processor seconds, median (min-max) of --runs runs (default 5), so QUEN_BENCH_JOBS
# pairs (default 1) may run side by side on a machine with that many free cores.
# Usage: bench/run.sh [--runs N] [--oracle-limit SECONDS] [--no-oracle] [--no-tools]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUEN_BENCH_CACHE:-$HOME/.cache/quenlark-bench}
bench=${QUEN_BENCH_BIN:-$root/out/native/bench/comp_bench}
[ -x "$bench" ] || { echo "build it first: cmake --build --preset native --target comp_bench" >&2; exit 1; }
[ -d "$cache/pairs" ] || { echo "fetch pairs first: bench/fetch-pairs.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for dir in "$cache"/pairs/*/; do
    name=$(basename "$dir")
    while [ "$(jobs -rp | wc -l)" -ge "${QUEN_BENCH_JOBS:-1}" ]; do wait -n; done
    "$bench" "$name" "$dir/old.exe" "$dir/new.exe" --work "$work" "$@" > "$work/rows.$name" &
done
wait
cat "$work"/rows.* > "$work/rows"

table() {  # table <prefix> <header cells...>
    local prefix=$1
    shift
    echo
    printf '| %s ' "$@"; echo '|'
    printf '|'; for _ in "$@"; do printf -- '---|'; done; echo
    sed -n "s/^$prefix|/|/p" "$work/rows"
}
table quick pair "old bytes" "new bytes" "oracle s" "quick s" "speed-up"
table sizes pair "quick bytes" "quick LZX cab" "quick zlib -9" "thorough bytes" "thorough LZX cab" \
    "thorough zlib -9" "xdelta3 -9" bsdiff "zstd -19 --patch-from" "thorough LZX / xdelta3" "thorough LZX / zstd" \
    "thorough LZX / bsdiff" "positions free LZX" "positions free / xdelta3"
table thorough pair "thorough s" "bsdiff s" "thorough / bsdiff time" "xdelta3 s" "zstd s" \
    "thorough peak (x both files)" "bsdiff peak (x both files)" "zstd peak (x both files)" "decoder (thorough data)"
table compact pair "compact bytes" "compact LZX cab" "thorough LZX cab" "xdelta3 -9" bsdiff "zstd -19 --patch-from" \
    "compact / thorough" "compact / xdelta3" "compact / zstd" "compact / bsdiff" "compact s" "compact / bsdiff time" \
    "compact peak (x both files)" "decoder (compact data)"
