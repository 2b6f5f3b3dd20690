// The program's name and version as shown to users.
#pragma once

#include <string>

namespace quen {

inline constexpr const char* kProgramName = "Quenlark";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;

// "Quenlark 1.0"
std::string ProgramTitleWithVersion();

}  // namespace quen
