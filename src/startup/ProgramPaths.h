// Picture and icon paths kept relative to the program folder, and their absolute form.
#pragma once

#include <string>

namespace quen {

// 0 absolute ("X:\..."), 1 below the program folder (".\..."), -1 anything else.
short PathKind(const std::string& path);

// The absolute form of a picture or icon path of the given kind ("" for -1; an unknown
// kind shows "Intrenal Error In TransAutoPath" and gives "").
std::string TransAutoPath(const std::string& path, int kind, const std::string& programFolder);

}  // namespace quen
