// Building the patch script text from the project.
#include "maker/ScriptWriter.h"

#include "base/Errors.h"
#include "maker/OldVersionFiles.h"
#include "maker/ScriptLines.h"
#include "maker/SourceChecksum.h"
#include "platform/Files.h"
#include "project/TextFields.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

class ScriptLines {
public:
    void Section(const std::string& name) { out_ += "[" + name + "]\r\n"; }
    void Key(const std::string& key, const std::string& value) {
        RequireOneLine(value, "The script value " + key);
        out_ += key + "=" + value + "\r\n";
    }
    void Key(const std::string& key, long long value) { Key(key, std::to_string(value)); }
    void Truth(const std::string& key, long long value) { Key(key, value != 0 ? "True" : "False"); }
    std::string& str() { return out_; }

private:
    std::string out_;
};

void WriteSetup(ScriptLines& s, const Project& project, ScriptForm form) {
    const PatchOptions& o = project.Options;
    s.Section("Setup");
    if (form == ScriptForm::StandAlone) s.Key("ScriptID", kScriptID);
    s.Key("OffReg", o.OffKeyCount());
    s.Key("AddReg", o.AddKeyCount());
    s.Key("DelReg", o.DelKeyCount());
    s.Key("ProcCount", project.ActionCount());
    s.Key("ShowW", o.ShowWelcomeWindow);
    s.Key("ShowE", o.ShowEndWindow);
    s.Key("ShowI", o.ShowInfoWindow);
    s.Key("PRI", o.FirstReBoot);
    s.Key("ERI", o.EndReboot);
    if (form == ScriptForm::Package) s.Truth("ShowP", o.ShowPicture);
}

void WriteText(ScriptLines& s, const PatchOptions& o, ScriptForm form, const DirTypeTexts& texts) {
    const bool package = form == ScriptForm::Package;
    s.Section("Text");
    if (o.ShowWelcomeWindow > 0) {
        s.Key("WTitle", o.WelcomTitle);
        s.Key("WText", EncodeLineBreaks(o.WelcomText));
    }
    if (o.ShowEndWindow > 0) {
        s.Key("ETitle", o.EndTitle);
        s.Key("EText", EncodeLineBreaks(o.EndText));
    }
    if (o.ShowInfoWindow > 0) {
        s.Key("ITitle", o.InfoTitle);
        s.Key("IText", EncodeLineBreaks(o.InfoText));
    }
    if (o.ShowWelcomeWindow > 0 || o.ShowEndWindow > 0 || o.ShowInfoWindow > 0) {
        s.Key("Font", o.InterFaceFont);
        s.Key("FontS", o.InterFaceFont_Size);
        s.Key("PText", o.PromptText);
        s.Key("OnPatch", o.OnPatch);
    }
    s.Key("OK", o.OKButton);
    s.Key("CANCEL", o.CANCELButton);
    s.Key("About", o.AboutButton);
    s.Key("SFD", o.SFD);
    s.Key("FNF", o.FNF);
    s.Key("ERR", o.ERR);
    s.Key("PatchFail", o.PatchFailure);
    s.Key("BrokenWarn", o.BrokenWarn);
    s.Truth("MakeBKFile", o.MakeBackupFile);
    s.Truth("CWhenError", o.ContinueWhenError);
    s.Truth("ShowRun", o.ShowRunTime);
    if (package) s.Key("strExecute", o.strExecute);
    if (package) s.Key("strAddFile", o.strAddFile);
    s.Key("strDelFile", o.strDelFile);
    s.Key("strPatchINI", o.strPatchINI);
    s.Key("strRenFile", o.strRenFile);
    if (package) s.Key("strPatchFile", o.strPatchFile);
    s.Key("strPatchByte", o.strPatchByte);
    s.Key("strSuccess", o.strSuccess);
    s.Key("PatchFileTitle", o.PatchFileTitle);
    for (const auto& [key, value] : texts.runtimeTexts) s.Key(key, value);
}

void WriteRegistryList(ScriptLines& s, const std::string& name, const std::vector<std::string>& list) {
    if (list.empty()) return;
    s.Section(name);
    for (size_t n = 0; n < list.size(); ++n) s.Key(std::to_string(n + 1), ScriptRegistryEntry(list[n]));
}

void WriteByteLines(ScriptLines& s, const ActClass& a) {
    s.Key("DONTChk", a.NoSourceCheck);
    if (a.NoSourceCheck == 0) s.Key("CheckSum", SourceCheckSum(ReadSourceFile(a.FileName)));
    s.Key("Count", a.ByteCount());
    for (int i = 1; i <= a.ByteCount(); ++i) {
        const std::string n = std::to_string(i);
        s.Key("BType" + n, a.ReadByteType(i));
        s.Key("BRead" + n, ScriptByteRead(a.ReadByteType(i), a.ReadByteVal(i)));
        s.Key("BNew" + n, ScriptByteNew(a.ReadByteNewval(i)));
    }
}

void WriteDirLines(ScriptLines& s, const ActClass& a, int position, const DirTypeTexts& texts) {
    const std::string code = DirCode(a.DirType, texts);
    s.Key("Dir", code);
    if (code == "Reg") {
        if (a.RegMain < 0 || a.RegMain >= kRegRootCount) {
            throw Error(kErrOverflow, "Action " + std::to_string(position) + " (" + a.FileName +
                                          ") has the registry root number " +
                                          std::to_string(a.RegMain) + "; 0 to 6 are known.");
        }
        s.Key("RegKey", std::string(kRegRoots[a.RegMain]) + "," + a.RegSub + "," + a.RegKeyName);
    } else if (code == "Ask") {
        s.Key("Title", a.AskTitle);
        s.Key("Prompt", a.AskPrompt);
        s.Key("Brow", a.AskBrowse);
        s.Key("OK", a.AskOK);
        s.Key("DNF", a.AskDNF);
    }
}

void WriteAction(ScriptLines& s, const ActClass& a, int position, int section, ScriptForm form,
                 const DirTypeTexts& texts) {
    s.Section("Proc" + std::to_string(section));
    s.Key("File", GetFileName(a.FileName));
    s.Key("Act", a.ActType);
    if (a.ActType == kActByte) WriteByteLines(s, a);
    if (a.ActType == kActIni && form == ScriptForm::StandAlone) {
        s.Key("Count", a.INICount());
        for (int i = 1; i <= a.INICount(); ++i) s.Key("INIKey" + std::to_string(i), a.ReadINIKey(i));
    }
    if (a.ActType == kActReName) s.Key("NewName", TrimBlanks(a.NewName));
    WriteDirLines(s, a, position, texts);
}

std::string JoinNumbers(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : ",") + std::to_string(n);
    return text;
}

}  // namespace

std::string ReadSourceFile(const std::string& path) {
    std::string data;
    int err = platform::ReadWholeFile(path, data);
    if (err != 0) throw Error(err, "The source file " + path + " cannot be read.");
    return data;
}

int32_t SourceCheckSum(const std::string& data) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
    return static_cast<int32_t>(SourceChecksum({bytes, data.size()}));
}

ScriptText BuildScriptText(const Project& project, ScriptForm form, const DirTypeTexts& texts,
                           ScriptProgress* progress) {
    ScriptLines s;
    WriteSetup(s, project, form);
    WriteText(s, project.Options, form, texts);
    WriteRegistryList(s, "OffReg", project.Options.OffKey);
    WriteRegistryList(s, "AddReg", project.Options.AddKey);
    WriteRegistryList(s, "DelReg", project.Options.DelKey);
    const int total = project.ActionCount();
    const std::vector<std::vector<int>> versions = OldVersionDataNumbers(project.Actions);
    int section = 0;
    for (int i = 1; i <= total; ++i) {
        const ActClass& a = project.Action(i);
        if (form == ScriptForm::StandAlone && a.ActType >= kActRun && a.ActType <= kActPatch) continue;
        if (progress) progress->ActionStarted(i, total, a.FileName);
        section = form == ScriptForm::Package ? i : section + 1;
        WriteAction(s, a, i, section, form, texts);
        if (form == ScriptForm::Package && !versions[i - 1].empty()) s.Key("Versions", JoinNumbers(versions[i - 1]));
        if (progress) progress->ActionWritten(i, total, section);
    }
    if (progress) progress->Finished();
    return {std::move(s.str()), form == ScriptForm::Package ? total : section};
}

}  // namespace quen
