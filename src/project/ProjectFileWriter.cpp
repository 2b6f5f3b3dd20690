// Writing the project file.
#include "project/ProjectFile.h"

#include <algorithm>

#include "base/Errors.h"
#include "platform/Files.h"
#include "project/TextFields.h"

namespace quen {

namespace {

class LineWriter {
public:
    // What the texts written next belong to, for the message about a line break.
    void About(std::string what) { about_ = std::move(what); }
    void Text(const std::string& t) {
        RequireOneLine(t, about_);
        out_ += '"' + t + "\"\r\n";
    }
    void Number(long long n) { out_ += std::to_string(n) + "\r\n"; }
    void Bool(bool b) { out_ += b ? "#TRUE#\r\n" : "#FALSE#\r\n"; }
    void List(const std::vector<std::string>& list) {
        Number(static_cast<long long>(list.size()));
        for (const std::string& s : list) Text(s);
    }
    std::string& str() { return out_; }

private:
    std::string out_;
    std::string about_ = "A text of the patch options";
};

void WriteOptions(LineWriter& w, const PatchOptions& o) {
    w.Text(kProjectHeader);
    w.Text(o.AboutButton);
    w.List(o.AddKey);
    w.Text(o.BrokenWarn);
    w.Text(o.CANCELButton);
    w.Number(o.ContinueWhenError);
    w.List(o.DelKey);
    w.Number(o.EndReboot);
    w.Text(EncodeLineBreaks(o.EndText));
    w.Text(o.EndTitle);
    w.Text(o.FNF);
    w.Number(o.FirstReBoot);
    w.Text(EncodeLineBreaks(o.InfoText));
    w.Text(o.InfoTitle);
    w.Text(o.InterFaceFont);
    w.Number(o.InterFaceFont_Size);
    w.Number(o.MakeBackupFile);
    w.List(o.OffKey);
    w.Text(o.OKButton);
    w.Text(o.ERR);
    w.Text(o.OnPatch);
    w.Text(o.PatchFailure);
    w.Text(o.PictureFile);
    w.Text(o.PatchIconFile);
    w.Text(o.PromptText);
    w.Number(o.ShowEndWindow);
    w.Number(o.ShowInfoWindow);
    w.Bool(o.ShowPicture);
    w.Number(o.ShowRunTime);
    w.Number(o.ShowWelcomeWindow);
    w.Text(o.SFD);
    w.Text(EncodeLineBreaks(o.WelcomText));
    w.Text(o.WelcomTitle);
    w.Text(o.PatchFileTitle);
    w.Text(o.strAddFile);
    w.Text(o.strDelFile);
    w.Text(o.strExecute);
    w.Text(o.strPatchByte);
    w.Text(o.strPatchFile);
    w.Text(o.strPatchINI);
    w.Text(o.strRenFile);
    w.Text(o.strSuccess);
}

void WriteAction(LineWriter& w, const ActClass& a) {
    w.Number(a.ActType);
    w.Number(a.AddMethod);
    w.Text(a.AskBrowse);
    w.Text(a.AskDNF);
    w.Text(a.AskOK);
    w.Text(a.AskPrompt);
    w.Text(a.AskTitle);
    w.Number(a.ByteCount());
    for (int k = 1; k <= a.ByteCount(); ++k) {
        w.Text(a.ReadByteType(k));
        w.Text(a.ReadByteVal(k));
        w.Text(a.ReadByteNewval(k));
    }
    w.Text(a.FilePath);
    w.Number(a.NoSourceCheck);
    w.Text(a.FileName);
    w.Number(a.INICount());
    for (int j = 1; j <= a.INICount(); ++j) w.Text(a.ReadINIKey(j));
    w.Text(a.NewPath);
    w.Text(a.NewName);
    w.Text(a.DirType);
    w.Text(a.RegKeyName);
    w.Number(a.RegMain);
    w.Text(a.RegSub);
}

// Only actions with further old versions appear: position, count, then the paths.
void WriteOldVersions(LineWriter& w, const std::vector<ActClass>& actions) {
    const long long with = std::count_if(actions.begin(), actions.end(), [](auto& a) { return !a.OldVersions.empty(); });
    if (with == 0) return;
    w.About("An old version's path");
    w.Text(kOldVersionsMarker);
    w.Number(with);
    for (size_t i = 0; i < actions.size(); ++i) {
        if (actions[i].OldVersions.empty()) continue;
        w.Number(static_cast<long long>(i + 1));
        w.List(actions[i].OldVersions);
    }
}

}  // namespace

std::string ProjectFileText(const Project& project) {
    LineWriter w;
    WriteOptions(w, project.Options);
    w.Number(project.ActionCount());
    int position = 0;
    for (const ActClass& a : project.Actions) {
        w.About("A text of action " + std::to_string(++position) + " (" + a.FileName + ")");
        WriteAction(w, a);
    }
    WriteOldVersions(w, project.Actions);
    return std::move(w.str());
}

void SaveProject(const std::string& path, Project& project) {
    int err = platform::WriteFileReplacing(path, ProjectFileText(project));
    if (err != 0) throw Error(err, "The project could not be saved to " + path + ".");
    project.ProjectFile = path;
    project.Modified = false;
}

}  // namespace quen
