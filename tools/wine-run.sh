#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's private prefix.
#   QUEN_BUILD=<build dir> tools/wine-run.sh [--shot NAME.png] prog.exe args...
# Starts Xvfb when there is no display; with --shot, a failing run leaves a
# screenshot of the screen at NAME.png.
set -uo pipefail
: "${QUEN_BUILD:?QUEN_BUILD must name the build directory}"
shot=""
if [ "${1:-}" = "--shot" ]; then shot=$2; shift 2; fi

WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || true)
[ -n "$WINE" ] || { echo "wine64 not found: run tools/bootstrap.sh" >&2; exit 127; }
export WINEPREFIX=${WINEPREFIX:-$QUEN_BUILD/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompts in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree=;mshtml="}

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 140); do
    [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    if kill -0 "$xvfb_pid" 2>/dev/null; then export DISPLAY=:$n; break; fi
    xvfb_pid=""
  done
  [ -n "${DISPLAY:-}" ] || { echo "could not start Xvfb" >&2; exit 1; }
fi

# The prefix is made once; concurrent tests wait for it.
mkdir -p "$QUEN_BUILD"
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wineserver -w 2>/dev/null || true
  fi
) 9>"$QUEN_BUILD/wineprefix.lock"

"$WINE" "$@"
rc=$?
if [ $rc -ne 0 ] && [ -n "$shot" ] && command -v import >/dev/null; then
  import -display "$DISPLAY" -window root "$shot" 2>/dev/null && echo "screenshot: $shot" >&2
fi
exit $rc
