// Where the running executable lives: its folder and its name.
#pragma once

#include <string>

namespace quen::win {

struct ModulePath {
    std::string folder;   // without trailing "\"
    std::string exeName;  // file name without extension
    bool exact = true;    // false: the path has letters outside the code page and no short form
};

// The executable's full path as the system gives it.
std::wstring CurrentModuleFile();

// In the code page, through the short form where the long one has other letters.
ModulePath CurrentModulePath();

}  // namespace quen::win
