#!/usr/bin/env bash
# Builds every preset and runs every test: native unit tests, the Windows tests under
# Wine (win64), the 32-bit build (its head's check only), and each fuzz target for a bounded time.
#   tools/test.sh            everything
#   tools/test.sh native     one preset (native, win64, win32 or fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native win64 win32 fuzz)
jobs=$(nproc)
for p in "${presets[@]}"; do
  echo "=== $p: configure and build"
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p" -j "$jobs"
  if [ "$p" = win32 ]; then
    # 32-bit programs cannot run here: the one test reads the head's imports and size.
    echo "=== win32: the head's check"
    ctest --preset win32
    continue
  fi
  echo "=== $p: tests"
  # Windows tests share one Wine prefix and one display per program: run them one by one.
  par=$jobs; [ "$p" = win64 ] && par=1
  ctest --preset "$p" -j "$par"
done
echo "=== all tests passed"
