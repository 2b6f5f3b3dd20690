#!/usr/bin/env python3
"""Writes the shipped settings file, directive template and default template.

They are written the way the program's own INI writer writes: CR LF between lines and
no line end after the last line, in code page 1252."""
import sys

def write_ini(path, lines):
    with open(path, "wb") as f:
        f.write("\r\n".join(lines).encode("cp1252"))

out = sys.argv[1] if len(sys.argv) > 1 else "assets"

write_ini(f"{out}/Quenlark.ini", [
    "[Setup]",
    "DefSample_Size=64",
    "Comp_Move_Size=4",
    "WAVE_Open=Open.wav",
    "WAVE_End=End.wav",
    "CDExtraPatch=0",
    "Default_TPL=Default.tpl",
    "Language=English",
    "ICON_INIT_POSTION=0",
    "ICON_INIT_LENG=0",
    "",
    "[Library]",
    "CABLIB=QCab.exe",
    "CABLIB_PARAMETER=/F",
    "CABLIB_SCRFILE=Patch.ddf",
    "PATCH_EXE_HEAD=PatchHead.exe",
    "",
    "[CDExtra]",
    "CDAudioEnable=0",
    "CD_COUNT=0",
])

# Directive template: the first line is a comment the options never read; the make step
# appends the quoted file list after the last line.
write_ini(f"{out}/Patch.ddf", [
    "; Quenlark cabinet directives",
    ".Set CompressionType=MSZIP",
    ".Set CompressionLevel=7",
    ".Set CabinetNameTemplate=TempFile.CAB",
    ".Set DiskDirectoryTemplate=",
    ".Set Cabinet=on",
    ".Set Compress=on",
])

write_ini(f"{out}/Templet/Default.tpl", [
    "[Templet]",
    "QuenlarkTempletFileID=Quenlark Templet",
    "ShowWelcomeWindow=1",
    "ShowEndWindow=1",
    "ShowInfoWindow=0",
    "FirstReBoot=0",
    "EndReboot=0",
    "AddKeyCount=0",
    "DelKeyCount=0",
    "OffKeyCount=0",
    "PatchFileTitle=Patch",
    "WelcomTitle=Welcome",
    "WelcomText=This program updates the software on your computer.\\nClose all other programs before you go on.",
    "EndTitle=Finished",
    "EndText=The update is complete.",
    "InfoTitle=Information",
    "InfoText=Please read the following information before you go on.",
    "OKButton=&OK",
    "CANCELButton=&Cancel",
    "PromptText=Press OK to continue.",
    "AboutButton=&About",
    "PictureFile=",
    "PatchIconFile=",
    "SFD=The file on this computer is not the expected version.",
    "FNF=A file or folder was not found.",
    "OnPatch=Updating",
    "ERR=Error",
    "InterFaceFont=MS Sans Serif",
    "InterFaceFont_Size=8",
    "PatchFailure=The update of a file failed.",
    "BrokenWarn=Some files could not be updated. The software may not work correctly.",
    "MakeBackupFile=1",
    "ContinueWhenError=0",
    "ShowRunTime=1",
    "strExecute=Run",
    "strAddFile=Add",
    "strDelFile=Delete",
    "strPatchINI=INI",
    "strRenFile=Rename",
    "strPatchFile=Patch",
    "strPatchByte=Bytes",
    "strSuccess=Done",
])
