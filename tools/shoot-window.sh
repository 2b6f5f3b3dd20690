#!/usr/bin/env bash
# Headless screenshot of one window of a Windows program: starts its own Xvfb, runs the
# program in a framed Wine virtual desktop, waits for a window whose title matches,
# writes the screen to SHOT and ends the program again.
#   QUEN_BUILD=<build dir> tools/shoot-window.sh SHOT TITLE-PATTERN WINDOWS-PROGRAM ARGS...
set -euo pipefail
shot=$1 title=$2; shift 2
: "${QUEN_BUILD:?QUEN_BUILD must name the build directory}"
tools=$(dirname "$0")
n=99; while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:$n
sleep 1
"$tools/wine-run.sh" explorer /desktop=Shot,1024x768 "$@" &
app=$!
for _ in $(seq 120); do
  xdotool search --name "$title" >/dev/null 2>&1 && break
  sleep 0.5
done
xdotool search --name "$title" >/dev/null 2>&1 || { echo "no window \"$title\" opened" >&2; exit 1; }
sleep 1
import -window root "$shot"
WINEPREFIX=$QUEN_BUILD/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true
wait $app 2>/dev/null || true
