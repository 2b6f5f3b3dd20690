// The project in memory: actions, patch options and the state the editor shares.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/ActClass.h"
#include "project/PatchOptions.h"

namespace quen {

struct Project {
    std::vector<ActClass> Actions;  // patch order; action i is Actions[i - 1]
    bool Modified = false;
    std::string ProjectFile;        // "" while the project has no file
    PatchOptions Options;
    ActClass AddTemplate;           // what the add-action dialog describes
    bool AddCancelled = false;
    bool IncludeSubFolders = false;

    int32_t ActionCount() const { return static_cast<int32_t>(Actions.size()); }
    // 1-based access; an index outside 1..ActionCount throws std::out_of_range.
    ActClass& Action(int index);
    const ActClass& Action(int index) const;
};

// Removes action p (1-based); the later actions move down by one. Does nothing when p
// is outside 1..ActionCount (no action selected).
void DeleteAction(Project& project, int p);

enum class ApplyDirMode {
    AllPrevious,  // "App&ly all Prev.": only actions whose directory is "< Previous >"
    All,          // "A&pply all": every other action
};

// Copies the directory setting of action `selected` to the other actions the mode
// names. Returns the 1-based indices of the actions changed (their rows show the new
// DirType); nothing happens with fewer than two actions.
std::vector<int> ApplyDirToOthers(Project& project, int selected, ApplyDirMode mode,
                                  const DirTypeTexts& texts);

// New: the actions go, the options stay (a new project inherits them).
void NewProject(Project& project);

}  // namespace quen
