// The editor's check of one action: the problems, in check order.
#pragma once

#include <vector>

#include "project/Project.h"

namespace quen {

enum class ActionProblem {
    NeedOldFile,        // the (old) file does not exist
    NeedNewVersion,     // Patch File without an existing new version
    ByteWithoutDefine,  // Replace Byte without byte entries
    IniWithoutDefine,   // INI Patch without keys
    RenameNeedNewName,  // ReName without a new name
    RegSubKeyEmpty,     // "< Reg >" without a sub key
    AskEmpty,           // "< Ask User >" with an empty text
    FirstCantPre,       // the first action cannot continue from a previous one
    FirstCantSub,       // nor lie in a sub folder of one
};

// The problems of action `index` (1-based) in check order: kind, directory, and for the
// first action in quiet mode its directory rules. Files count as existing when a listing
// that includes hidden files finds them (folders and system files do not count).
std::vector<ActionProblem> CheckActionProblems(const ActClass& action, int index, bool quiet,
                                               const DirTypeTexts& texts);

}  // namespace quen
