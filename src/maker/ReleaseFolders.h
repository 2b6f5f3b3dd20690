// Release folders to actions: old versions' folders and the new version's folder paired by path.
#pragma once

#include <string>
#include <vector>

#include "project/Project.h"

namespace quen {

struct ReleaseFolders {
    std::vector<std::string> olds;  // one or more old versions' folders, full paths
    std::string newFolder;          // the new version's folder, full path
};

// How the first action finds the program's folder on the end user's machine.
struct ReleaseDirectory {
    bool me = false;  // the patch's own folder ("< Me >") instead of asking
    std::string askTitle = "Select the program folder";
    std::string askPrompt = "Choose the folder of the program this patch updates:";
    std::string askBrowse = "&Browse...";
    std::string askOK = "OK";
    std::string askDNF = "The folder was not found.";
};

// Appends to `project` the actions that turn any of the old folders into the new one.
// Files are paired by relative path, letter case ignored: a file in the new folder and in
// every old one whose bytes differ in at least one is a Patch File action carrying each
// distinct old version once (FileName, then OldVersions); a file new in some old version
// is an Add File action; a file gone from the new folder is a Delete File action; files
// equal everywhere give nothing. Top-level files come first, then each sub folder's
// (directory ".\a\b"); the first action gets the directory of `dir`, the other top-level
// ones "< Previous >". When no top-level file changes, the smallest unchanged top-level
// file of the new folder is added again, so the first action names the folder itself.
// Throws quen::Error for a folder that cannot be listed or a file that cannot be read,
// and when the new folder has no file at its top level but changes below it.
void AddReleaseActions(Project& project, const ReleaseFolders& folders, const ReleaseDirectory& dir,
                       const DirTypeTexts& texts);

// Why these folders and outputs cannot make a release patch, or "" when they can: a folder
// that does not exist, the same folder twice (or one inside another), an output inside a
// source folder. Paths are full; letter case and "/" against "\" are ignored.
std::string ReleaseFoldersProblem(const ReleaseFolders& folders, const std::vector<std::string>& outputs);

}  // namespace quen
