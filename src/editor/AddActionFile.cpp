// Turning what the add dialog described into actions, walking folders recursively.
#include "editor/AddActionFile.h"

#include "base/Errors.h"
#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

platform::FolderListing List(const std::string& folder) {
    platform::FolderListing listing;
    if (int err = platform::ListFolder(folder, listing)) throw Error(err, "cannot list folder " + folder);
    return listing;
}

bool FileThere(const std::string& path) { return FileExists(path, kFindHiddenSystem); }
bool FolderThere(const std::string& path) { return FileExists(path, kFindDirectories | kFindHiddenSystem); }

class Walker {
public:
    explicit Walker(Project& project) : p_(project), t_(project.AddTemplate) {}

    // One folder level: `sub` is its path below the root ("" or "\a\b"), `rel` the
    // directory its actions get ("" at the top, ".\a\b" below), `mode` the kind that
    // governs it (2 pairs old and new trees, 1 reads the new tree).
    void Walk(const std::string& sub, const std::string& rel, bool walking, int mode) {
        const std::string current = (!sub.empty() && mode == kActAdd ? t_.NewPath : t_.FilePath) + sub;
        if (!walking) mode = t_.ActType;
        if (t_.AddMethod == 0) {
            Append(t_.Export(), rel);
            return;
        }
        AddFiles(current, sub, rel, mode);
        if (p_.IncludeSubFolders) WalkSubFolders(current, sub.empty() ? "\\" : sub + "\\",
                                                 rel.empty() ? ".\\" : rel + "\\", mode);
    }

private:
    void Append(ActClass a, const std::string& rel) {
        if (!rel.empty()) a.DirType = rel;
        p_.Actions.push_back(std::move(a));
    }

    ActClass FileAction(const std::string& folder, const std::string& name) const {
        ActClass a = t_.Export();
        a.FileName = folder + "\\" + name;
        a.FilePath = folder;
        return a;
    }

    void AddFiles(const std::string& current, const std::string& sub, const std::string& rel, int mode) {
        if (mode != kActPatch) {
            for (const std::string& f : List(current).files) {
                ActClass a = FileAction(current, f);
                a.NewName.clear();
                Append(std::move(a), rel);
            }
            return;
        }
        const std::string newFolder = t_.NewPath + sub;
        for (const std::string& f : List(current).files) {
            ActClass a = FileAction(current, f);
            const std::string newFile = newFolder + "\\" + f;
            if (FileThere(newFile)) {
                a.NewName = newFile;
            } else {
                a.ActType = kActDel;
                a.NewName.clear();
            }
            Append(std::move(a), rel);
        }
        for (const std::string& g : List(newFolder).files) {
            if (FileThere(current + "\\" + g)) continue;
            ActClass a = FileAction(newFolder, g);
            a.ActType = kActAdd;
            Append(std::move(a), rel);
        }
    }

    void WalkSubFolders(const std::string& current, const std::string& subPrefix, const std::string& relPrefix,
                        int mode) {
        if (mode != kActPatch) {
            for (const std::string& s : List(current).folders) {
                // Below the top the files are read through NewPath; the dialog's new
                // root comes back afterwards.
                const std::string newPath = t_.NewPath;
                t_.NewPath = t_.FilePath;
                Walk(subPrefix + s, relPrefix + s, true, mode);
                t_.NewPath = newPath;
            }
            return;
        }
        const std::string newFolder = t_.NewPath + subPrefix.substr(0, subPrefix.size() - 1);
        for (const std::string& s : List(current).folders) {
            if (FolderThere(newFolder + "\\" + s)) {
                Walk(subPrefix + s, relPrefix + s, false, mode);
                continue;
            }
            const int32_t kind = t_.ActType;
            t_.ActType = kActDel;
            Walk(subPrefix + s, relPrefix + s, true, kActDel);
            t_.ActType = kind;
        }
        for (const std::string& n : List(newFolder).folders) {
            if (FolderThere(current + "\\" + n)) continue;
            const int32_t kind = t_.ActType;
            const std::string filePath = t_.FilePath;
            t_.ActType = kActAdd;
            t_.FilePath = t_.NewPath;
            Walk(subPrefix + n, relPrefix + n, true, kActAdd);
            t_.ActType = kind;
            t_.FilePath = filePath;
        }
    }

    Project& p_;
    ActClass& t_;
};

}  // namespace

void AddActionFiles(Project& project, const DirTypeTexts& texts) {
    const bool wasEmpty = project.ActionCount() == 0;
    project.Modified = true;
    // Even a folder that cannot be listed half-way leaves a first action that can start.
    struct FirstIsMe {
        Project& p;
        bool wasEmpty;
        const DirTypeTexts& texts;
        ~FirstIsMe() {
            if (wasEmpty && p.ActionCount() > 0) p.Action(1).DirType = texts.me;
        }
    } firstIsMe{project, wasEmpty, texts};
    Walker(project).Walk("", "", false, project.AddTemplate.ActType);
}

}  // namespace quen
