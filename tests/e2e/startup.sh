#!/usr/bin/env bash
# Starting Quenlark.exe as a user does: each missing supplied file is told exactly and no
# window opens; the first start registers the script file type (that it does so only
# once, ProgramInit_test shows); an empty command line opens the main window. (A refused
# script: RunSequence_test, runtime_actions.sh.)
. "$(dirname "$0")/lib.sh"
need_dist
e2e_setup

app_dir="$E2E_RUN/Quenlark Folder"
fresh_folder() {
  rm -rf "$app_dir"
  cp -r "$QUEN_DIST" "$app_dir"
}
app_win() { winpath "$app_dir/$1"; }
setting() { tr -d '\r' <"$app_dir/Quenlark.ini" | sed -n "s/^$1=//p"; }

# One missing file: its exact message, no main window, exit code 1.
expect_missing() {
  local what=$1 rel=$2 want
  want=$(app_win "$rel")
  e2e_log "missing $what"
  start app "$app_dir/Quenlark.exe"
  drive wait "Quenlark ERROR" 30 \; msgbox "Quenlark ERROR"
  local key=""  # the template is named by a key the program options set
  [ "$rel" = Templet/Default.tpl ] && key="($(app_win Quenlark.ini), section [Setup], key Default_TPL)
"
  expect_eq "message for a missing $what" "File : $want without find!
${key}Program Terminate!" "$out"
  drive_fails 3 wait --prefix "Quenlark - " 0.5
  drive press "Quenlark ERROR" OK
  expect_exit app 1
}

for f in Quenlark.ini Templet/Default.tpl QCab.exe Patch.ddf PatchHead.exe; do
  fresh_folder; rm "$app_dir/$f"; expect_missing "$f" "$f"
done

# First start: the file type is registered (program and script quoted: the folder has a
# blank), the settings remember it, the main window opens with its caption.
fresh_folder
expect_eq "shipped settings have no ProgramInit" "" "$(setting ProgramInit)"
start app "$app_dir/Quenlark.exe"
drive wait "Quenlark - Untitled" 30
expect_eq ".qnl type" "QuenlarkScript" "$(reg_data 'HKCR\.qnl')"
expect_eq "open command" "\"$(app_win Quenlark.EXE)\" \"%1\" %2 %3" "$(reg_data 'HKCR\QuenlarkScript\shell\open\command')"
expect_eq "icon" "$(app_win Quenlark.EXE),1" "$(reg_data 'HKCR\QuenlarkScript\DefaultIcon')"
expect_eq "RegScriptType written" "1" "$(setting RegScriptType)"
screenshot "$E2E_SHOTS/main-window.png"
drive close "Quenlark - Untitled" \; gone "Quenlark - Untitled" 10
expect_exit app 0

finish
