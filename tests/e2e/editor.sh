#!/usr/bin/env bash
# The editor as a person uses it: add an old and a new folder tree as Patch File actions
# through the add dialog, change a kind and a directory, see the ghosted row and the
# status bar, refuse a make, save the project, start anew, open it again.
. "$(dirname "$0")/lib.sh"
need_dist
e2e_setup

old=$E2E_RUN/old new=$E2E_RUN/new prj=$E2E_RUN/mine.prj
rm -rf "$old" "$new" "$prj"
mkdir -p "$old/a" "$old/gone" "$new/a"
for f in old/y.dll old/a/f1 old/gone/g1 new/y.dll new/z.dll new/a/f1 new/a/f2; do echo "$f" >"$E2E_RUN/$f"; done
main="Quenlark - Untitled" list=SysListView32:1
shots=$QUEN_E2E_OUT/shots; mkdir -p "$shots"
panels() { drive panels "$main"; panel_text=$(tr '\n' '|' <<<"$out"); }

# A copy of the program folder: the first start writes to the settings file, and the
# shipped folder must stay as built.
rm -rf "$E2E_RUN/prog" && cp -r "$QUEN_DIST" "$E2E_RUN/prog"
start app "$E2E_RUN/prog/Quenlark.exe"
drive wait "$main" 30
panels; expect_eq "empty project's panels" "File Total : 0|||(hidden)||" "$panel_text"
drive_fails 1 tool "$main" Make  # nothing to make yet

drive tool "$main" Add \; wait "Add Action" \; press "Add Action" "Patch File" \
  \; check "Add Action" "&Directory" \; check "Add Action" "&Include sub folder" \
  \; type "Add Action" Edit:1 "$(winpath "$old")" \; type "Add Action" Edit:2 "$(winpath "$new")"
screenshot "$shots/editor-add.png"
drive press "Add Action" OK \; gone "Add Action"
screenshot "$shots/editor-main.png"

# Rows in action order: the only top file first, with "< Me >"; the sub folders' rows
# follow in the file system's order.
drive rows "$main" "$list"
rows=$out
W() { winpath "$1"; }
expect_eq "first row" "y.dll	< Me >	$(W "$old")	plain" "$(head -1 <<<"$rows")"
expect_eq "all rows" "$(sort <<EOT
y.dll	< Me >	$(W "$old")	plain
z.dll	< Previous >	$(W "$new")	plain
f1	.\\a	$(W "$old/a")	plain
f2	.\\a	$(W "$new/a")	plain
g1	.\\gone	$(W "$old/gone")	plain
EOT
)" "$(sort <<<"$rows")"
panels; expect_contains "total" "$panel_text" "File Total : 5|"

# A kind without its settings ghosts the row; a registry directory without sub key is a
# second problem; each fix clears its own.
drive select "$main" "$list" z.dll \; pick "$main" "Action : " "Replace Byte" \; type "$main" "Directory :" "< Reg >"
panels; expect_eq "two problems" "File Total : 5|Not Ready!|Peplace bytes value without define.|Directory setting SubKey is empty!|Size :10 Bytes |" "$panel_text"
drive type "$main" "Sub : " "Software\\Quen"
panels; expect_contains "one problem, Err2 hidden" "$panel_text" "|Peplace bytes value without define.|(hidden)|"
drive rows "$main" "$list"
expect_contains "ghosted row" "$out" "z.dll	< Reg >	$(W "$new")	ghosted"
drive tool "$main" Make \; msgbox Error
expect_eq "make refused" "Error File : $(W "$new/z.dll")

Peplace bytes value without define." "$out"
drive press Error OK \; pick "$main" "Action : " "Delete File" \; select "$main" "$list" f2 \; type "$main" "Directory :" ".\\lib"
panels; expect_contains "ready again" "$panel_text" "|Ready!|Without Error!|(hidden)|"

# Save As names the project; New empties the editor; Open brings the same rows back.
drive press "$main" "Save the project" \; wait "Save As" \; type "Save As" "File name:" "$(W "$prj")" \; press "Save As" "Save"
titled="Quenlark - $(W "$prj")"
drive wait "$titled" 10 \; rows "$titled" "$list"
saved_rows=$out
expect_file "project file" "$prj"
expect_eq "project header" "\"Dravin Project File V1.0\"" "$(head -1 "$prj" | tr -d '\r')"
body=$(tr -d '\r' <"$prj")
for line in '"< Reg >"' '"Software\Quen"' '".\lib"' '"< Me >"'; do expect_contains "saved $line" "$body" "$line"; done

drive press "$titled" "New project" \; wait "$main" \; rows "$main" "$list"
expect_eq "new project rows" "" "$out"
drive press "$main" "Open a project" \; wait "Open" \; type "Open" "File name:" "$(W "$prj")" \; press "Open" "Open"
drive wait "$titled" 10 \; rows "$titled" "$list"
expect_eq "reopened rows" "$saved_rows" "$out"
drive select "$titled" "$list" z.dll \; text "$titled" "Action : "
expect_eq "reopened kind" "Delete File" "$out"
drive close "$titled" \; gone "$titled" 10
expect_exit app 0
finish
