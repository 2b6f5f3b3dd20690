// The project file (*.prj): one value per line in a fixed order, CR LF after each.
#pragma once

#include <string>

#include "project/Project.h"

namespace quen {

inline constexpr const char* kProjectHeader = "Dravin Project File V1.0";
// Marks the optional block after the last action that lists Patch File actions' further
// old versions; a project without any ends before it, as it always did.
inline constexpr const char* kOldVersionsMarker = "Quenlark Old Versions V1";

// The whole project as the file holds it. Throws quen::Error, naming the action, when a
// one-line text holds a line break (RequireOneLine).
std::string ProjectFileText(const Project& project);

// Writes the project to `path` through a temporary file, so the old file stays intact
// unless the whole project was written. On success ProjectFile becomes `path` and
// Modified is cleared; on failure (also a text refused by ProjectFileText) throws
// quen::Error and changes nothing (the editor reports it as "Main-cmdSave" and the
// project stays marked as changed).
void SaveProject(const std::string& path, Project& project);

enum class LoadStatus {
    Loaded,
    WrongHeader,  // not a project file: nothing changed
    ReadError,    // the file broke off or held a bad line; see ProjectLoadResult
};

struct ProjectLoadResult {
    LoadStatus status = LoadStatus::Loaded;
    int errorNumber = 0;  // classic error number for ReadError
    std::string message;  // what was wrong, for logs and the console maker
};

// Replaces the project by the file's content; `previousDirText` is the "< Previous >"
// text new actions start with. Modified is always cleared. Callers leave ProjectFile to
// this function: it names the file only once the file was loaded.
// - Loaded: options and actions replaced, ProjectFile = `path`.
// - WrongHeader (also an empty file): nothing else changed.
// - ReadError while reading the content: the actions are discarded, option fields read
//   before the bad line keep their new values, and ProjectFile becomes "" so that a
//   later Save asks for a name instead of overwriting the refused file.
// - ReadError because the file cannot be opened: nothing else changed.
ProjectLoadResult LoadProject(const std::string& path, Project& project,
                              const std::string& previousDirText);

// Parses project file text; the same rules as LoadProject without the file.
ProjectLoadResult LoadProjectText(const std::string& text, Project& project,
                                  const std::string& previousDirText);

}  // namespace quen
