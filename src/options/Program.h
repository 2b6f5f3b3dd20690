// The program-wide objects of the editor and its option windows, created by a successful start
// and kept until the end.
#pragma once

#include <string>

#include "options/Lang.h"
#include "project/ActClass.h"
#include "project/Project.h"
#include "startup/ProgramSettings.h"

namespace quen {

struct Program {
    std::string folder;   // folder of the running executable, without trailing "\"
    std::string exeName;  // executable name without extension
    ProgramSettings settings;
    Lang lang;
    Project project;  // the actions and patch options being edited
    ActClass scratch;  // the editor's scratch action
};

}  // namespace quen
