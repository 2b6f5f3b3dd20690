// The six directory kind texts of the current language, as actions store them.
#pragma once

#include <string>

namespace quen {

// Actions keep a directory kind as its display text in the editor's language, so every
// decision about a kind compares exactly against these texts.
struct DirTypeTexts {
    std::string me = "< Me >";
    std::string reg = "< Reg >";
    std::string ask = "< Ask User >";
    std::string win = "< Windows >";
    std::string sys = "< System >";
    std::string pre = "< Previous >";
};

// The short code a script carries for `dirType` ("Me", "Reg", "Ask", "Win", "Sys",
// "Pre"), or the text unchanged when it is none of the kind texts (a sub folder, a
// literal path, a kind text of another language).
std::string DirCode(const std::string& dirType, const DirTypeTexts& texts);

}  // namespace quen
