// Pairing release folders by relative path and turning each difference into an action.
#include "maker/ReleaseFolders.h"

#include <algorithm>
#include <map>

#include "base/Errors.h"
#include "base/Text.h"
#include "maker/CompModule.h"
#include "platform/Files.h"

namespace quen {

namespace {

// One relative path as each folder has it ("" where a folder lacks it).
struct Entry {
    std::string folder;  // ".\a\b" form below the top, "" at the top
    std::string name;
    std::string newPath;
    std::vector<std::string> oldPaths;  // one per old folder
};

// Keys compare as Windows compares names: letter case ignored, folder first.
using EntryMap = std::map<std::pair<std::string, std::string>, Entry>;

void Collect(EntryMap& map, const std::string& root, const std::string& sub, int which, size_t olds) {
    const std::string folder = root + sub;
    platform::FolderListing listing;
    if (const int err = platform::ListFolder(folder, listing)) throw Error(err, "Cannot list the folder " + folder + ".");
    const std::string rel = sub.empty() ? "" : "." + sub;
    for (const std::string& f : listing.files) {
        Entry& e = map[{LowerCase(rel), LowerCase(f)}];
        if (e.oldPaths.empty()) e = Entry{rel, f, "", std::vector<std::string>(olds)};
        (which < 0 ? e.newPath : e.oldPaths[which]) = folder + "\\" + f;
        if (which < 0) e.folder = rel, e.name = f;  // the new version's spelling wins
    }
    for (const std::string& s : listing.folders) Collect(map, root, sub + "\\" + s, which, olds);
}

// The distinct old versions of a file present everywhere; empty when all equal the new one.
std::vector<std::string> DistinctOlds(const Entry& e) {
    const std::string now = ReadFileForCompare(e.newPath);
    std::vector<std::string> kept, keptBytes;
    bool changed = false;
    for (const std::string& path : e.oldPaths) {
        std::string bytes = ReadFileForCompare(path);
        changed = changed || bytes != now;
        if (std::find(keptBytes.begin(), keptBytes.end(), bytes) != keptBytes.end()) continue;
        keptBytes.push_back(std::move(bytes));
        kept.push_back(path);
    }
    return changed ? kept : std::vector<std::string>{};
}

ActClass Action(int kind, const std::string& file, const std::string& dirType) {
    ActClass a(dirType);
    a.ActType = kind;
    a.FileName = file;
    a.FilePath = file.substr(0, file.find_last_of('\\'));
    return a;
}

std::optional<ActClass> ActionFor(const Entry& e, const DirTypeTexts& texts) {
    const std::string dir = e.folder.empty() ? texts.pre : e.folder;
    const bool everyOld = std::none_of(e.oldPaths.begin(), e.oldPaths.end(), [](auto& p) { return p.empty(); });
    if (e.newPath.empty()) {
        const auto first = std::find_if(e.oldPaths.begin(), e.oldPaths.end(), [](auto& p) { return !p.empty(); });
        return Action(kActDel, *first, dir);
    }
    if (!everyOld) return Action(kActAdd, e.newPath, dir);
    std::vector<std::string> olds = DistinctOlds(e);
    if (olds.empty()) return std::nullopt;
    ActClass a = Action(kActPatch, olds.front(), dir);
    a.NewName = e.newPath;
    a.OldVersions.assign(olds.begin() + 1, olds.end());
    return a;
}

// The smallest top-level file of the new folder, added again so the first action can name
// the folder the others follow.
ActClass Anchor(const EntryMap& map, const std::string& newFolder) {
    const Entry* best = nullptr;
    std::string bestBytes;
    for (const auto& [key, e] : map) {
        if (!e.folder.empty() || e.newPath.empty()) continue;
        std::string bytes = ReadFileForCompare(e.newPath);
        if (!best || bytes.size() < bestBytes.size()) best = &e, bestBytes = std::move(bytes);
    }
    if (!best) {
        throw Error(kErrFileNotFound, "The new folder " + newFolder +
                                          " has no file at its top level, so no action can name the program's "
                                          "folder; patch the sub folder itself.");
    }
    return Action(kActAdd, best->newPath, "");
}

void SetFirstDirectory(ActClass& a, const ReleaseDirectory& dir, const DirTypeTexts& texts) {
    a.DirType = dir.me ? texts.me : texts.ask;
    if (dir.me) return;
    a.AskTitle = dir.askTitle;
    a.AskPrompt = dir.askPrompt;
    a.AskBrowse = dir.askBrowse;
    a.AskOK = dir.askOK;
    a.AskDNF = dir.askDNF;
}

}  // namespace

void AddReleaseActions(Project& project, const ReleaseFolders& folders, const ReleaseDirectory& dir,
                       const DirTypeTexts& texts) {
    EntryMap map;
    for (size_t k = 0; k < folders.olds.size(); ++k) Collect(map, folders.olds[k], "", static_cast<int>(k), folders.olds.size());
    Collect(map, folders.newFolder, "", -1, folders.olds.size());
    std::vector<ActClass> actions;
    for (const auto& [key, e] : map) {
        if (std::optional<ActClass> a = ActionFor(e, texts)) actions.push_back(std::move(*a));
    }
    if (actions.empty()) return;
    if (actions.front().DirType.starts_with(".\\")) actions.insert(actions.begin(), Anchor(map, folders.newFolder));
    SetFirstDirectory(actions.front(), dir, texts);
    for (ActClass& a : actions) project.Actions.push_back(std::move(a));
    project.Modified = true;
}

namespace {

// A folder path compared as Windows compares it, ending with one "\".
std::string FolderKey(const std::string& path) {
    std::string key = PathKey(path);
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key + "\\";
}

bool Inside(const std::string& path, const std::string& folder) {
    return FolderKey(path).starts_with(FolderKey(folder));
}

bool IsFolder(const std::string& path) {
    const platform::AttrResult r = platform::GetAttributes(path);
    return r.status == platform::AttrStatus::Ok && (r.attrs & platform::kAttrDirectory);
}

}  // namespace

std::string ReleaseFoldersProblem(const ReleaseFolders& folders, const std::vector<std::string>& outputs) {
    std::vector<std::string> all = folders.olds;
    all.push_back(folders.newFolder);
    for (const std::string& f : all) {
        if (!IsFolder(f)) return "the folder " + f + " does not exist.";
    }
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = 0; j < all.size(); ++j) {
            if (i == j || !Inside(all[i], all[j])) continue;
            return FolderKey(all[i]) == FolderKey(all[j]) ? "the folder " + all[i] + " is named twice."
                                                          : "the folder " + all[i] + " lies inside " + all[j] + ".";
        }
    }
    for (const std::string& out : outputs) {
        for (const std::string& f : all) {
            if (Inside(out, f)) return "the output " + out + " lies inside the source folder " + f + ".";
        }
    }
    return "";
}

}  // namespace quen
