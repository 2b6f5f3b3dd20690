// The program options dialog (frmOption), called like a function.
#pragma once

#include <windows.h>

#include <functional>

#include "options/Program.h"
#include "project/DirTypeTexts.h"

namespace quen {

// Called after OK switched the language, with the previous directory kind texts: the main
// window applies its captions (SetLang) and translates every action's kind (ReShowlvFile).
using LanguageSwitched = std::function<void(const DirTypeTexts& previous)>;

void ShowProgramOptionsDialog(HWND owner, Program& program, const LanguageSwitched& languageSwitched);

}  // namespace quen
