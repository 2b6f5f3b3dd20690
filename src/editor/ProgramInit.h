// Editor start: reads the settings file, checks the supplied files, registers at first start.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "options/Program.h"

namespace quen {

// What the start needs from outside the core.
struct StartupServices {
    std::function<void()> registerScriptType;
};

// Null when the start must stop; the reason has been shown in a message box.
std::unique_ptr<Program> ProgramInit(const std::string& programFolder, const std::string& exeName,
                                     const StartupServices& services);

}  // namespace quen
