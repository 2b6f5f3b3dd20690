// Projects shared by the project file and script tests; they match the golden files.
#pragma once

#include "project/Project.h"

namespace quen::test {

inline PatchOptions SampleOptions() {
    PatchOptions o;
    o.ShowWelcomeWindow = o.ShowEndWindow = o.ShowRunTime = o.MakeBackupFile = o.ContinueWhenError = 1;
    o.ShowInfoWindow = o.FirstReBoot = 0;
    o.EndReboot = 2;
    o.ShowPicture = true;
    o.PictureFile = ".\\logo.bmp";
    o.InterFaceFont = "Tahoma";
    o.InterFaceFont_Size = 9;
    o.AddKey = {"DWORD,HKCU,Software\\Demo,Count,&H10"};
    o.OffKey = {"STR,HKLM,Software\\Demo,Mode,%RetainValue%"};
    o.PatchFileTitle = "Demo Patch";
    o.WelcomTitle = "Welcome", o.WelcomText = "Welcome.\r\nThis patch updates Demo.";
    o.EndTitle = "Finished", o.EndText = "All done.\r\nThank you.";
    o.InfoTitle = "Information";
    o.OKButton = "&OK", o.CANCELButton = "&Cancel", o.AboutButton = "&About";
    o.PromptText = "Press OK to go on.", o.OnPatch = "Patching...";
    o.BrokenWarn = "Some files were skipped.", o.FNF = "File not found!", o.SFD = "Source file differs!";
    o.ERR = "Patch Error", o.PatchFailure = "Failed!", o.strSuccess = "OK";
    o.strAddFile = "Adding", o.strDelFile = "Deleting", o.strExecute = "Running", o.strPatchByte = "Patching bytes of";
    o.strPatchFile = "Patching", o.strPatchINI = "Patching INI", o.strRenFile = "Renaming";
    return o;
}

// A Replace Byte action with two byte entries and one INI key, asking the user for its
// directory (tests/data/project/two_bytes_one_ini.prj).
inline ActClass SampleByteAction() {
    ActClass a;
    a.ActType = kActByte;
    a.AskTitle = "Find Demo", a.AskPrompt = "Where is Demo?", a.AskBrowse = "&Browse", a.AskOK = "&OK";
    a.AskDNF = "Folder not found";
    a.AddByte("3", "1A (26)", "90 90");
    a.AddByte("1", "4D 5A", "4D 5B");
    a.FilePath = "C:\\Demo";
    a.FileName = "C:\\Demo\\demo.exe";
    a.AddINIKey("Options,Mode,Fast");
    a.DirType = "< Ask User >";
    return a;
}

inline Project SampleProject() {
    Project p;
    p.Options = SampleOptions();
    p.Actions.push_back(SampleByteAction());
    return p;
}

}  // namespace quen::test
