#!/bin/sh
# Stand-in cabinet tool for native make tests: called as "TOOL /F DIRECTIVE" in the package
# folder. It keeps a copy of the folder in $QUEN_FAKE_SEEN and writes a "cabinet" that holds
# its arguments and the directive file; QUEN_FAKE_CAB=none or empty make it fail.
case "$QUEN_FAKE_CAB" in
  none) exit 1 ;;
  empty) : > TempFile.CAB; exit 0 ;;
esac
mkdir -p "$QUEN_FAKE_SEEN" && cp ./* "$QUEN_FAKE_SEEN/"
{ printf 'CAB|%s|' "$1"; cat "$2"; } > TempFile.CAB
