// The add-action dialog's decisions: which frames show, and what OK accepts and stores;
// paths dropped onto the action list take the same way.
#pragma once

#include <string>

#include "project/Project.h"

namespace quen {

// The new-version frame belongs to Patch File and ReName.
inline bool ShowsNewVersion(int kind) { return kind == kActPatch || kind == kActReName; }

struct AddDialogInput {
    int kind = kActRun;       // the pressed kind button's code
    bool folderMode = false;  // "&Directory" chosen
    bool includeSub = false;
    std::string file;         // txtFile
    std::string newText;      // txtNew
};

enum class AddRefusal { None, FileNotFind, DirCantSame, KnownOldVersion };

// OK: IncludeSubFolders follows the box even when OK is refused; on acceptance the
// template's kind, add method, file, folder, new name and new folder are set and
// AddCancelled is cleared. The template's directory setting is never touched.
AddRefusal AcceptAddDialog(const AddDialogInput& in, Project& project);

// Another old version for a Patch File action: an existing file that is neither its old
// file nor one of its old versions (paths compared as Windows compares them) is appended.
AddRefusal AddOldVersion(const std::string& file, ActClass& patch);

// A path dropped onto the action list, added as the add dialog adds it: a file alone, a
// folder with its sub folders, with the kind the dialog offers; Patch File and ReName
// need a new version that a drop does not carry, so then it adds as Add File. The add
// template and the sub folder switch stay as the dialog left them. Refuses a path that
// names nothing; throws as AddActionFiles does.
AddRefusal AddDroppedPath(const std::string& path, Project& project, const DirTypeTexts& texts);

}  // namespace quen
