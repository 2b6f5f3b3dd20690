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
# A copy of the program folder: the editor's first start writes to its settings file, and
# the shipped folder must stay as built.
dist=$build/editor-run
rm -rf "$dist"
cp -r "$PWD/dist/win64" "$dist"
export QUEN_BUILD=$build
winepath_of() { echo "Z:${1//\//\\}"; }
if [ -n "${DISPLAY:-}" ]; then
  exec tools/wine-run.sh "$dist/Quenlark.exe"
fi
# Headless: a screenshot once the main window is up, then the editor is closed.
tools/shoot-window.sh "$shot" "^Quenlark - " "$(winepath_of "$dist/Quenlark.exe")"
echo "screenshot of the editor: $shot"
