#!/usr/bin/env bash
# Runs the RefusedWrite tests of win_tests under Wine on a full disk (a 64 KiB tmpfs) and a
# read-only folder (a read-only bind mount). Mounting needs root: without it the test is
# skipped (exit 77).
#   refused-writes.sh <wine-run.sh> <win_tests.exe>
set -uo pipefail
run=$1; exe=$2
base=$(mktemp -d /tmp/quen-refused.XXXXXX)
full=$base/full; ro=$base/ro
mkdir -p "$full" "$ro"
cleanup() { umount "$full" 2>/dev/null; umount "$ro" 2>/dev/null; rm -rf "$base"; }
trap cleanup EXIT
printf '[S]\r\nK=old\r\n[T]\r\nL=1\r\n' > "$ro/a.ini"
if ! mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null ||
   ! mount --bind "$ro" "$ro" 2>/dev/null || ! mount -o remount,bind,ro "$ro" 2>/dev/null; then
  echo "cannot mount here (needs root): skipped"
  exit 77
fi
winpath() { echo "Z:${1//\//\\}"; }
QUEN_FULL_DISK_DIR=$(winpath "$full") QUEN_READONLY_DIR=$(winpath "$ro") \
  "$run" "$exe" --gtest_filter='RefusedWrite.*' 2>&1 | tee "$base/log"
rc=${PIPESTATUS[0]}
[ "$rc" -eq 0 ] || exit "$rc"
# Both tests must have run, not been skipped or filtered away.
grep -q '\[  PASSED  \] 2 tests' "$base/log" && ! grep -q '\[  SKIPPED \]' "$base/log" ||
  { echo "RefusedWrite tests did not all run"; exit 1; }
