// The program's name and version as shown to users.
#pragma once

#include <string>

namespace quen {

inline constexpr const char* kProgramName = "Quenlark";
// "Quenlark 1.0": the version is the project version the build was configured with.
std::string ProgramTitleWithVersion();

}  // namespace quen
