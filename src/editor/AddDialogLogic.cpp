// The add-action dialog's checks on OK, and what it stores in the add template.
#include "editor/AddDialogLogic.h"

#include <algorithm>

#include "base/Text.h"
#include "editor/AddActionFile.h"
#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

bool Exists(const std::string& path) { return FileExists(path, kFindHiddenSystem | kFindDirectories); }

}  // namespace

AddRefusal AcceptAddDialog(const AddDialogInput& in, Project& project) {
    project.IncludeSubFolders = in.includeSub;
    if (in.file.empty()) return AddRefusal::FileNotFind;
    if (in.folderMode && GetDir(in.file) == GetDir(in.newText)) return AddRefusal::DirCantSame;
    if (!Exists(in.file)) return AddRefusal::FileNotFind;
    ActClass& t = project.AddTemplate;
    if (in.kind == kActPatch && (in.newText.empty() || !Exists(in.newText))) return AddRefusal::FileNotFind;
    t.ActType = in.kind;
    t.AddMethod = in.folderMode ? 1 : 0;
    if (!in.folderMode) t.FileName = in.file;
    t.FilePath = GetDir(in.file);
    t.NewName = in.newText;
    t.NewPath = GetDir(in.newText);
    project.AddCancelled = false;
    return AddRefusal::None;
}

AddRefusal AddOldVersion(const std::string& file, ActClass& patch) {
    if (file.empty() || !FileExists(file, kFindHiddenSystem)) return AddRefusal::FileNotFind;
    const std::string key = PathKey(file);
    const auto same = [&](const std::string& p) { return PathKey(p) == key; };
    if (same(patch.FileName) || std::any_of(patch.OldVersions.begin(), patch.OldVersions.end(), same))
        return AddRefusal::KnownOldVersion;
    patch.OldVersions.push_back(file);
    return AddRefusal::None;
}

AddRefusal AddDroppedPath(const std::string& path, Project& project, const DirTypeTexts& texts) {
    struct KeepDialogChoices {
        Project& p;
        ActClass addTemplate;
        bool includeSub;
        ~KeepDialogChoices() {
            p.AddTemplate = addTemplate;
            p.IncludeSubFolders = includeSub;
        }
    } keep{project, project.AddTemplate, project.IncludeSubFolders};
    const int offered = project.AddTemplate.ActType;
    const platform::AttrResult a = platform::GetAttributes(path);
    const bool folder = a.status == platform::AttrStatus::Ok && (a.attrs & platform::kAttrDirectory);
    const AddRefusal refusal =
        AcceptAddDialog({ShowsNewVersion(offered) ? kActAdd : offered, folder, folder, path, ""}, project);
    if (refusal == AddRefusal::None) AddActionFiles(project, texts);
    return refusal;
}

}  // namespace quen
