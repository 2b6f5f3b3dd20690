// Where the running executable lives: its folder and its name.
#pragma once

#include <string>

namespace quen::win {

struct ModulePath {
    std::string folder;   // without trailing "\"
    std::string exeName;  // file name without extension
};

ModulePath CurrentModulePath();

}  // namespace quen::win
