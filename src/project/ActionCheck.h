// The editor's check of one action, and the checks that must pass before a make.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/Project.h"

namespace quen {

class Lang;

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

// The language text of a problem.
const std::string& ProblemText(ActionProblem problem, const Lang& lang);

// The message of an interactive check: "Error File : ", the file, an empty line, the
// problem.
std::string ProblemMessage(const ActClass& action, ActionProblem problem, const Lang& lang);

// What stops a make before it starts: the first action's directory rules, then the
// interactive check of every action in order. The first failure's message text, or
// nothing when the project may be made.
std::optional<std::string> CheckBeforeMake(const Project& project, const Lang& lang);

}  // namespace quen
