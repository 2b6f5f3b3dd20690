#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time (QUEN_FUZZ_SECONDS, default 30) from its
# seed corpus; a crash or sanitizer report fails the test.
set -euo pipefail
target=$1; work=$2; seeds=$3
mkdir -p "$work"
dirs=("$work"); [ -d "$seeds" ] && dirs+=("$seeds")
exec "$target" -max_total_time="${QUEN_FUZZ_SECONDS:-30}" -rss_limit_mb=2048 \
     -timeout=10 -print_final_stats=1 -artifact_prefix="$work/" "${dirs[@]}"
