// The six directory kind texts of the current language, as actions store them, and the
// runtime's own texts in it.
#pragma once

#include <string>
#include <utility>
#include <vector>

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
    // [Text] keys and values the runtime shows in this language (what its undo tells);
    // none: the runtime's English.
    std::vector<std::pair<std::string, std::string>> runtimeTexts{};
};

// The short code a script carries for `dirType` ("Me", "Reg", "Ask", "Win", "Sys",
// "Pre"), or the text unchanged when it is none of the kind texts (a sub folder, a
// literal path, a kind text of another language).
std::string DirCode(const std::string& dirType, const DirTypeTexts& texts);

}  // namespace quen
