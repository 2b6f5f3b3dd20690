#!/usr/bin/env bash
# Installs what is missing, builds the Windows programs and starts the editor under Wine.
# Without a display it starts Xvfb, writes a screenshot of the editor to the named file
# (default: editor.png) and closes the editor again.
set -euo pipefail
cd "$(dirname "$0")/.."
shot=${1:-editor.png}
tools/bootstrap.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"
build=$PWD/out/win64
dist=$PWD/dist/win64
export QUEN_BUILD=$build
winepath_of() { echo "Z:${1//\//\\}"; }
if [ -n "${DISPLAY:-}" ]; then
  exec tools/wine-run.sh "$dist/Quenlark.exe"
fi
# Headless: own Xvfb, a framed virtual desktop, a screenshot once the main window is up,
# then the editor is closed.
n=99; while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:$n
sleep 1
tools/wine-run.sh explorer /desktop=Quenlark,1024x768 "$(winepath_of "$dist/Quenlark.exe")" &
app=$!
for _ in $(seq 120); do
  xdotool search --name "^Quenlark - " >/dev/null 2>&1 && break
  sleep 0.5
done
xdotool search --name "^Quenlark - " >/dev/null 2>&1 || { echo "the editor did not open" >&2; exit 1; }
sleep 2
import -window root "$shot"
WINEPREFIX=$build/wineprefix /usr/lib/wine/wineserver -k 2>/dev/null || true
wait $app 2>/dev/null || true
echo "screenshot of the editor: $shot"
