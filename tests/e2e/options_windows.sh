#!/usr/bin/env bash
# The options windows as a person uses them. Through OptionsProbe.exe (it saves the project):
# the patch options on their tabs, registry checks, picture, icon and font dialogs, the welcome
# preview and its about box, a template saved and loaded; the test dialog packing as QuenDiff does. Then the
# editor with its CD in a Wine CD drive: sounds, CD and video requested, the hidden page's drive
# code, the language switched on the main window at once.
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
# The sample's actions come along, so that a script can be made from the saved project.
"$E2E_ROOT/samples/demo/make-sample.sh" "$E2E_RUN/sample" >/dev/null || fail "the sample was not made"
start aopt "$probe" patch "$wprog" "$(winpath "$E2E_RUN/out.prj")" "$(winpath "$E2E_RUN/sample/demo.prj")"
drive wait "$T" 30 \; type "$T" "#4213" 'Hello "World"' \; type "$T" "#4215" $'First line\nSecond line' \
  \; text "$T" "#4213" \; text "$T" "#4217"
expect_eq "quotes are dropped; the counter counts two bytes a character" $'Hello World\n46' "$out"

drive pick "$T" SysTabControl32:1 4 \; type "$T" "Sub : " 'Software\Demo' \; type "$T" "Key : " Data \
  \; check "$T" Binary \; type "$T" "Value : " "1,2,257" \; press "$T" "&Add" \; msgbox Error
expect_contains "a part over 256 is refused" "$out" "value"
drive press Error OK \; type "$T" "Value : " "&H10,256,-255" \; press "$T" "&Add" \; press "$T" "&Add" \; msgbox Error
expect_eq "the same entry twice" "Duplicate Register Key!" "$out"
drive press Error OK \; pick "$T" "#4301" "Add Key" \; check "$T" String \; type "$T" "Value : " "2.0" \
  \; press "$T" "&Add" \; pick "$T" "Value : " "< Retain Value >" \; msgbox Warning
expect_contains "retain value outside the pause list" "$out" "Pause Key"
drive press Warning OK \; text "$T" "Value : " \; rows "$T" "#4302"
expect_eq "the value box is emptied; a text value's row shows the text picture" \
  $'\nSTR,HKCR,Software\\Demo,Data,2.0\tplain\t0' "$out"
screenshot "$shots/patch-registry.png"

pic=$E2E_RUN/pic.bmp ico=$E2E_ROOT/assets/icons/PatchHead.ico
convert -size 40x30 xc:red "BMP3:$pic"
drive pick "$T" SysTabControl32:1 6 \; press "$T" "#4503" \; wait Open \; type Open "File &name:" "$(winpath "$pic")" \
  \; press Open "&Open" \; gone Open \; press "$T" "#4505" \; wait Open \; type Open "File &name:" "$(winpath "$ico")" \
  \; press Open "&Open" \; gone Open \; press "$T" "#4511" \; wait Font \; pick Font "&Font:" "DejaVu Serif" \; press Font OK \
  \; gone Font \; text "$T" "#4502" \; text "$T" "#4513"
expect_eq "the chosen picture and font" "$(winpath "$pic")"$'\nDejaVu Serif' "$out"
screenshot "$shots/patch-face.png"
drive pick "$T" SysTabControl32:1 8 \; type "$T" "Patch Title :" "Demo" \; pick "$T" SysTabControl32:1 6 \
  \; press "$T" "Test &Welcom Window" \; wait "Demo - Hello World" \; text "Demo - Hello World" Edit:1
expect_eq "the preview shows the welcome text" $'First line\nSecond line' "$out"
screenshot "$shots/patch-preview.png"
drive press "Demo - Hello World" "#4105" \
  \; wait "About Quenlark" \; close "About Quenlark" \; gone "About Quenlark" \; press "Demo - Hello World" "&OK" \; gone "Demo - Hello World" \; press "$T" "&Svae Templet..." \
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
for part in '"Hello World"' '"First line\nSecond line"' '"Demo"' "$(winpath "$pic")" "$(winpath "$ico")" '"DejaVu Serif"'; do
  expect_contains "the project's options" "$prj" "$part"
done
# (What a script makes of them: the native QuenMake run's golden script.)

e2e_log "template into a fresh start"
start tpl "$probe" patch "$wprog"
drive wait "$T" 30 \; press "$T" "&Load Templet..." \; wait Open \; type Open "File &name:" "$(winpath "$E2E_RUN/mine.tpl")" \
  \; press Open "&Open" \; gone Open \; text "$T" "#4213"
expect_eq "the template's welcome title" "Hello World" "$out"
# The rows are rebuilt from the loaded pause list: its one entry can be deleted.
drive pick "$T" SysTabControl32:1 4 \; list "$T" \; rows "$T" "#4302"
expect_contains "the pause list's rows" "$out" $'4317\tvisible,enabled'
expect_contains "a binary value's row shows the binary picture" "$out" $'-255\tplain\t1'
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
"$E2E_WINE_RUN" "$prog/QuenDiff.exe" rle-pack "$(winpath "$sample")" "$(winpath "$E2E_RUN/quendiff.dat")" >/dev/null 2>&1
cmp -s "$sample.dat" "$E2E_RUN/quendiff.dat" || fail "the test dialog packs otherwise than QuenDiff rle-pack"
[ "$(stat -c %s "$sample.dat")" -lt 100 ] || fail "the packed file did not shrink"

e2e_log "the editor with its CD"
# The program reverses the CD's serial bytes (as on every NT system) to 0xD1234567, whose
# drive code is 2139750359 (xor "QUEN" is negative: its absolute value).
cd_drive && mkdir -p "$E2E_RUN/cd/MOVIES" && : >"$E2E_RUN/cd/MOVIES/intro.mpg"
# The first section names another CD: the search goes on to the second.
sed -i 's/^CDAudioEnable=0/CDAudioEnable=1/; s/^CD_COUNT=0/CD_COUNT=2/' "$prog/Quenlark.ini"
printf '\n[CD1]\nCD_ID=12345\nTRACK_COUNT=1\n[CD2]\nCD_ID=2139750359\nTRACK_COUNT=2\nTRACK_NAME_1=One\nMPEG_COUNT=1\nMPEG_DIR=MOVIES\nMPEG_FILE_1=intro.mpg\n' \
  >>"$prog/Quenlark.ini"
cp "$prog/Patch.ddf" "$E2E_RUN/Patch.ddf.before"
for f in old/y.dll new/y.dll new/w.dll new/z.dll; do mkdir -p "$E2E_RUN/${f%/*}" && echo "$f" >"$E2E_RUN/$f"; done
# The title names the CD's first track once its audio plays; the media calls are traced.
M="Quenlark - Untitled - One" O=QuenOption
WINEDEBUG=+mci start app "$prog/Quenlark.exe"
drive wait "$M" 30 \; tool "$M" Add \; wait "Add Action" \; press "Add Action" "Patch File" \
  \; check "Add Action" "&Directory" \; type "Add Action" Edit:1 "$(winpath "$E2E_RUN/old")" \
  \; type "Add Action" Edit:2 "$(winpath "$E2E_RUN/new")" \; press "Add Action" OK \; gone "Add Action"
M="Quenlark - Untitled * - One"  # unsaved changes; a sub folder is no kind text to translate
drive select "$M" SysListView32:1 w.dll \; type "$M" "Directory :" ".\\sub" \; press "$M" "#1024" \; wait $O \; pick $O SysTabControl32:1 2 \; keys $O SysTabControl32:1 opentools \
  \; pick $O SysTabControl32:1 6 \; type $O "#5123" R \; press $O "#5125" \; text $O "#5124"
expect_eq "the hidden page's drive code of the CD" 2139750359 "$out"
screenshot "$shots/program-quen.png"
drive pick $O SysTabControl32:1 1 \; pick $O "#5013" German \; text $O "#5020"
expect_eq "the chosen language's writer" "Quenlark-Team" "$out"
drive pick $O SysTabControl32:1 3 \; press $O "#5054" \; press $O "#5054" \; text $O "#5056" \; press $O "#5002" \; gone $O
expect_eq "the sample size arrow stops at 32" "32" "$out"
M="Quenlark - Unbenannt * - One"
drive rows "$M" SysListView32:1 \; text "$M" "#1023" \; panels "$M"
expect_eq "directory kinds, kind pictures, captions and panels in German at once" "$(printf 'y.dll\t< Patch-Ordner >\t%s\tplain\t2\nw.dll\t.\\sub\t%s\tplain\t1\nz.dll\t< Vorherige >\t%s\tplain\t1\n&Info\nDateien gesamt : 3\nBereit!\nOhne Fehler!' \
  "$(winpath "$E2E_RUN/old")" "$(winpath "$E2E_RUN/new")" "$(winpath "$E2E_RUN/new")")" "$(head -n 7 <<<"$out")"
screenshot "$shots/main-german.png"
for kept in Language=German DefSample_Size=32; do expect_contains "the settings" "$(tr -d '\r' <"$prog/Quenlark.ini")" "$kept"; done
cmp -s "$prog/Patch.ddf" "$E2E_RUN/Patch.ddf.before" || fail "unchanged compression settings rewrote the directive file"

# The about box starts the CD's video after four seconds (no video decoder here: only the request).
drive press "$M" "#1023" \; wait "About Quenlark" \; text "About Quenlark" "#5606"
expect_contains "the version label" "$out" "Version 1.00"
screenshot "$shots/about.png"
sleep 5
drive close "About Quenlark" \; gone "About Quenlark" \; press "$M" "#1025" \; msgbox Warnung
expect_eq "leaving asks about the unsaved project in German" "Das Projekt wurde geändert. Speichern?" "$out"
drive press Warnung "&No"
expect_exit app 0
# Each device opened, in order, and each sound played to its end: the opening sound, the CD,
# the about box's video, the closing sound.
opened=$(sed -n -e 's/.*mciSendStringW (L"\(open .*\) alias .*/\1/p' -e 's/.*mciSendStringW (L"\(play QuenlarkWave.*\)",.*/\1/p' \
  "$E2E_RUN/app.err" | sed 's/\\\(["\\]\)/\1/g')
expect_eq "the media the editor asks for" "open \"$(winpath "$prog")\\Open.wav\" type waveaudio
play QuenlarkWave wait
open cdaudio!R:
open \"R:\\MOVIES\\intro.mpg\" type mpegvideo
open \"$(winpath "$prog")\\End.wav\" type waveaudio
play QuenlarkWave wait" "$opened"
finish
