// Turning what the add dialog described (the project's AddTemplate) into actions.
#pragma once

#include "project/Project.h"

namespace quen {

// Appends the actions AddTemplate describes: one for a single file; for a folder one
// per file, with its sub folders when IncludeSubFolders is set (their actions get the
// directory ".\a\b"); for Patch File and a folder, the old tree (FilePath) is paired
// with the new one (NewPath): Patch File for files in both, Delete File for old-only
// and Add File for new-only files and folders. When the project was empty, action 1
// gets the "< Me >" directory. Sets Modified. Throws quen::Error for a folder that
// cannot be listed; the actions appended before it stay.
void AddActionFiles(Project& project, const DirTypeTexts& texts);

}  // namespace quen
