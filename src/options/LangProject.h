// The project's texts in the user's language: directory kinds, action problems, and the
// check before a make.
#pragma once

#include <optional>
#include <string>

#include "project/ActionCheck.h"
#include "project/DirTypeTexts.h"

namespace quen {

class Lang;

// The texts of `lang` (its Dir_Type_* keys).
DirTypeTexts DirTypeTextsOf(const Lang& lang);

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
