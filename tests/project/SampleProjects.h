// Projects shared by the project file and script tests; they match the golden files.
#pragma once

#include "project/Project.h"

namespace quen::test {

inline PatchOptions SampleOptions() {
    PatchOptions o;
    o.AboutButton = "&About";
    o.AddKey = {"DWORD,HKCU,Software\\Demo,Count,&H10"};
    o.BrokenWarn = "Some files were skipped.";
    o.CANCELButton = "&Cancel";
    o.ContinueWhenError = 1;
    o.EndReboot = 2;
    o.EndText = "All done.\r\nThank you.";
    o.EndTitle = "Finished";
    o.FNF = "File not found!";
    o.FirstReBoot = 0;
    o.InfoTitle = "Information";
    o.InterFaceFont = "Tahoma";
    o.InterFaceFont_Size = 9;
    o.MakeBackupFile = 1;
    o.OffKey = {"STR,HKLM,Software\\Demo,Mode,%RetainValue%"};
    o.OKButton = "&OK";
    o.ERR = "Patch Error";
    o.OnPatch = "Patching...";
    o.PatchFailure = "Failed!";
    o.PictureFile = ".\\logo.bmp";
    o.PromptText = "Press OK to go on.";
    o.ShowEndWindow = 1;
    o.ShowInfoWindow = 0;
    o.ShowPicture = true;
    o.ShowRunTime = 1;
    o.ShowWelcomeWindow = 1;
    o.SFD = "Source file differs!";
    o.WelcomText = "Welcome.\r\nThis patch updates Demo.";
    o.WelcomTitle = "Welcome";
    o.PatchFileTitle = "Demo Patch";
    o.strAddFile = "Adding";
    o.strDelFile = "Deleting";
    o.strExecute = "Running";
    o.strPatchByte = "Patching bytes of";
    o.strPatchFile = "Patching";
    o.strPatchINI = "Patching INI";
    o.strRenFile = "Renaming";
    o.strSuccess = "OK";
    return o;
}

// A Replace Byte action with two byte entries and one INI key, asking the user for its
// directory (tests/data/project/two_bytes_one_ini.prj).
inline ActClass SampleByteAction() {
    ActClass a;
    a.ActType = kActByte;
    a.AskBrowse = "&Browse";
    a.AskDNF = "Folder not found";
    a.AskOK = "&OK";
    a.AskPrompt = "Where is Demo?";
    a.AskTitle = "Find Demo";
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
