#!/usr/bin/env bash
# Rebuilds the two versions of small.c used by the encoder tests as real executables:
# small-v1.exe / small-v2.exe as linked (their .bss has no file data, so the encoder
# compares them whole) and *-pe.exe with .bss given file data (compared section by section).
set -euo pipefail
cd "$(dirname "$0")"
x86_64-w64-mingw32-gcc -O2 -s -o small-v1.exe small.c
x86_64-w64-mingw32-gcc -O2 -s -DV2 -o small-v2.exe small.c
for v in v1 v2; do
    x86_64-w64-mingw32-objcopy --set-section-flags .bss=alloc,load,contents,data small-$v.exe small-$v-pe.exe
done
