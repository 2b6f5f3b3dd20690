#!/usr/bin/env bash
# The options windows as a person uses them (opened through OptionsProbe.exe until the main
# window's buttons reach them): patch options filled on their tabs, registry entries
# checked, the welcome window previewed, a template saved, the options reaching the project;
# the test dialog packing and unpacking a file and showing a drive code.
. "$(dirname "$0")/lib.sh"
need_dist
e2e_setup

probe=$QUEN_BUILD/tests/options/win/OptionsProbe.exe
prog="$E2E_RUN/prog"
rm -rf "$prog" && cp -r "$QUEN_DIST" "$prog"
wprog=$(winpath "$prog")
shots=$E2E_SHOTS/options
T=Option

e2e_log "patch options"
start aopt "$probe" patch "$wprog" "$(winpath "$E2E_RUN/out.prj")"
drive wait "$T" 30 \; type "$T" "#4213" 'Hello "World"' \; type "$T" "#4215" $'First line\nSecond line' \
  \; text "$T" "#4213" \; text "$T" "#4217"
expect_eq "quotes are dropped; the counter counts two bytes a character" $'Hello World\n46' "$out"
screenshot "$shots/patch-welcome.png"

drive pick "$T" SysTabControl32:1 4 \; type "$T" "Sub : " 'Software\Demo' \; type "$T" "Key : " Data \
  \; check "$T" Binary \; type "$T" "Value : " "1,2,257" \; press "$T" "&Add" \; msgbox Error
expect_contains "a part over 256 is refused" "$out" "value"
drive press Error OK \; type "$T" "Value : " "&H10,256,-255" \; press "$T" "&Add" \; press "$T" "&Add" \; msgbox Error
expect_eq "the same entry twice" "Duplicate Register Key!" "$out"
drive press Error OK \; pick "$T" "#4301" "Add Key" \; check "$T" String \; type "$T" "Value : " "2.0" \
  \; press "$T" "&Add" \; pick "$T" "Value : " "< Retain Value >" \; msgbox Warning
expect_contains "retain value outside the pause list" "$out" "Pause Key"
drive press Warning OK \; text "$T" "Value : "
expect_eq "the value box is emptied" "" "$out"
screenshot "$shots/patch-registry.png"

drive pick "$T" SysTabControl32:1 8 \; type "$T" "Patch Title :" "Demo" \; pick "$T" SysTabControl32:1 6 \
  \; press "$T" "Test &Welcom Window" \; wait "Demo - Hello World" \; text "Demo - Hello World" Edit:1
expect_eq "the preview shows the welcome text" $'First line\nSecond line' "$out"
screenshot "$shots/patch-preview.png"
drive press "Demo - Hello World" "&OK" \; gone "Demo - Hello World" \; press "$T" "&Svae Templet..." \
  \; wait "Save As" \; type "Save As" "File &name:" "$(winpath "$E2E_RUN/mine.tpl")" \; press "Save As" "&Save" \
  \; gone "Save As" \; press "$T" "#4202"
expect_exit aopt 0
expect_contains "OK saved the options" "$(cat "$E2E_RUN/aopt.out")" "saved=1"
tpl=$(tr -d '\r' <"$E2E_RUN/mine.tpl")
expect_contains "template text" "$tpl" 'WelcomText=First line\nSecond line'
expect_contains "template pause list" "$tpl" $'[OffKey]\n1=BIN,HKCR,Software\\Demo,Data,&H10,256,-255'
expect_contains "template add list" "$tpl" $'[AddKey]\n1=STR,HKCR,Software\\Demo,Data,2.0'

# The project the editor saves next carries what OK stored.
prj=$(tr -d '\r' <"$E2E_RUN/out.prj" 2>/dev/null)
expect_contains "the project's welcome title" "$prj" '"Hello World"'
expect_contains "the project's welcome text" "$prj" '"First line\nSecond line"'
expect_contains "the project's patch title" "$prj" '"Demo"'

e2e_log "template into a fresh start"
start tpl "$probe" patch "$wprog"
drive wait "$T" 30 \; press "$T" "&Load Templet..." \; wait Open \; type Open "File &name:" "$(winpath "$E2E_RUN/mine.tpl")" \
  \; press Open "&Open" \; gone Open \; text "$T" "#4213"
expect_eq "the template's welcome title" "Hello World" "$out"
# The rows are rebuilt from the loaded pause list: its one entry can be deleted.
drive pick "$T" SysTabControl32:1 4 \; list "$T"
expect_contains "the pause list's rows" "$out" $'4317\tvisible,enabled'
screenshot "$shots/patch-loaded.png"
drive close "$T"
expect_exit tpl 0

e2e_log "test dialog"
sample="$E2E_RUN/sample.bin"
{ head -c 300 /dev/zero; printf 'bcdefgh'; head -c 40 /dev/zero | tr '\0' 'x'; } >"$sample"
P="Program Test Proc"
start rle "$probe" test "$wprog"
drive wait "$P" 30 \; type "$P" "RLE Encode : " "$(winpath "$sample")" \; press "$P" "#5831" \; msgbox Quenlark
expect_eq "packed" "RLE OK!" "$out"
drive press Quenlark OK \; type "$P" "RLE Decode : " "$(winpath "$sample.dat")" \; press "$P" "#5832" \; msgbox Quenlark
expect_eq "unpacked" "RLE OK!" "$out"
drive press Quenlark OK \; type "$P" "RLE Decode : " "$(winpath "$E2E_RUN/missing.dat")" \; press "$P" "#5832" \
  \; msgbox Error
expect_contains "a missing file is reported" "$out" "ErrModal"
drive press Error OK \; type "$P" "Drive :" Q \; press "$P" "Caculate Volume" \; text "$P" "Edit:5"
expect_eq "a drive that does not exist" "Error" "$out"
screenshot "$shots/test-dialog.png"
drive press "$P" "&Exit"
expect_exit rle 0
cmp -s "$sample" "$sample.dat.DeDat" || fail "the unpacked file differs from the packed one"
[ "$(stat -c %s "$sample.dat")" -lt 100 ] || fail "the packed file did not shrink"

e2e_log "program options"
cp "$prog/Patch.ddf" "$E2E_RUN/Patch.ddf.before"
start popt "$probe" program "$wprog"
drive wait QuenOption 30 \; pick QuenOption "#5013" German \; text QuenOption "#5020"
expect_eq "the chosen language's writer" "Quenlark-Team" "$out"
screenshot "$shots/program-language.png"
drive pick QuenOption SysTabControl32:1 3 \; press QuenOption "#5054" \; press QuenOption "#5054" \
  \; text QuenOption "#5056" \; press QuenOption "#5002"
expect_eq "the sample size arrow stops at 32" "32" "$out"
expect_exit popt 0
expect_eq "the switch reaches the main window at once" $'switched from < Me >\nlanguage=German me=< Patch-Ordner >' \
  "$(tr -d '\r' <"$E2E_RUN/popt.out")"
settings=$(tr -d '\r' <"$prog/Quenlark.ini")
expect_contains "the language is kept" "$settings" "Language=German"
expect_contains "the sample size is kept" "$settings" "DefSample_Size=32"
cmp -s "$prog/Patch.ddf" "$E2E_RUN/Patch.ddf.before" || fail "unchanged compression settings rewrote the directive file"

e2e_log "about box"
start about "$probe" about "$wprog"
drive wait "About Quenlark" 30 \; text "About Quenlark" "#5606"
expect_contains "the version label" "$out" "Version 1.00"
screenshot "$shots/about.png"
drive close "About Quenlark"
expect_exit about 0
finish
