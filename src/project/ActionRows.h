// The rows of the main list, one per action, as data the list shows.
#pragma once

#include <string>
#include <vector>

#include "project/ActClass.h"

namespace quen {

struct ActionRow {
    std::string text;       // file name part of FileName; also the tool tip
    std::string key;        // FileName, "*" in front until it is unique
    std::string tag;        // the action's index as decimal text
    int image = 0;          // ActType + 1
    std::string patchDir;   // DirType
    std::string directory;  // FilePath
};

// Rows for `actions` in list order; duplicate file names get "*"-prefixed keys.
std::vector<ActionRow> MakeActionRows(const std::vector<ActClass>& actions);

}  // namespace quen
