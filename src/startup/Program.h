// The editor's program-wide objects, created by a successful start and kept until the end.
#pragma once

#include <string>

#include "options/Lang.h"
#include "startup/ProgramSettings.h"

namespace quen {

struct Program {
    std::string folder;   // folder of the running executable, without trailing "\"
    std::string exeName;  // executable name without extension
    ProgramSettings settings;
    Lang lang;
};

}  // namespace quen
