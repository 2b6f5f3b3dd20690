// Opening a project file the way the editor does: load it and tell the user what failed;
// the project a command line names.
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

// The project file the editor's command line names ("" for none): the whole line without
// surrounding blanks and quotes when it ends in ".prj" (any case). Explorer passes an
// unquoted path with its blanks, so blanks belong to the path.
std::string ProjectOnCommandLine(const std::string& commandLine);

}  // namespace quen
