// Opening a project file the way the editor does: load it and tell the user what failed.
#pragma once

#include <string>

#include "project/Project.h"

namespace quen {

class Lang;

inline constexpr const char* kLoadProjectErrorName = "MainModal_LoadProject";

// Loads `path` (see LoadProject). A file that is not a project file shows "File Format
// Error!" / "Error" with the exclamation icon; any other failure goes to the error
// report under "MainModal_LoadProject". True when the project was loaded.
bool OpenProjectFile(const std::string& path, Project& project, const Lang& lang);

}  // namespace quen
