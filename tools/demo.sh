#!/usr/bin/env bash
# The whole product end to end: builds the Windows programs, makes the sample (an old and
# a new version of a small program folder, samples/demo), turns it into a patch
# executable with QuenMake, applies it silently under Wine to a copy of the old folder,
# checks that the result equals the new folder, and writes a screenshot of the patch's
# welcome window to the first named file (default: demo.png) and one of the editor with
# the sample project open to the second (default: editor.png; docs/editor.png is one).
set -euo pipefail
cd "$(dirname "$0")/.."
shot=$(realpath -m "${1:-demo.png}") editor_shot=$(realpath -m "${2:-editor.png}")
tools/bootstrap.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)"
# The build folder as the presets name it (build/ or out/).
build=$PWD/$(sed -n 's|.*"binaryDir": "${sourceDir}/\([^/"]*\)/${presetName}".*|\1|p' CMakePresets.json | head -1)/win64
dist=$PWD/dist/win64
export QUEN_BUILD=$build
winpath() { echo "Z:${1//\//\\}"; }
wine() { tools/wine-run.sh "$@"; }

demo=$build/demo
samples/demo/make-sample.sh "$demo"
rm -f "$demo/DemoPatch.exe"
echo "=== QuenMake: demo.prj -> DemoPatch.exe"
wine "$dist/QuenMake.exe" "$(winpath "$demo/demo.prj")" /exe "$(winpath "$demo/DemoPatch.exe")"

echo "=== DemoPatch.exe /S applied to a copy of the old folder"
rm -rf "$demo/target"
cp -r "$demo/old" "$demo/target"
set +e
wine "$demo/DemoPatch.exe" /S "/D=$(winpath "$demo/target")"
code=$?
set -e
[ $code -eq 0 ] || { echo "DemoPatch.exe /S exited with $code" >&2; exit 1; }
if diff -r "$demo/target" "$demo/new"; then
  echo "the patched folder equals the new version: $(cd "$demo/new" && echo *)"
else
  echo "the patched folder differs from the new version" >&2
  exit 1
fi

echo "=== the patch's welcome window"
rm -rf "$demo/shown"
cp -r "$demo/old" "$demo/shown"
tools/shoot-window.sh "$shot" "Welcome to the Demo patch" "$(winpath "$demo/DemoPatch.exe")" "/D=$(winpath "$demo/shown")"
echo "screenshot of the welcome window: $shot"

echo "=== the editor with the sample project"
# A copy of the program folder: the editor's first start writes to its settings file.
rm -rf "$demo/editor"
cp -r "$dist" "$demo/editor"
tools/shoot-window.sh "$editor_shot" "Quenlark - Z:" "$(winpath "$demo/editor/Quenlark.exe")" "$(winpath "$demo/demo.prj")"
echo "screenshot of the editor: $editor_shot"
