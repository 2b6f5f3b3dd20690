// The program's name and version as shown to users.
#pragma once

#include <string>

namespace quen {

inline constexpr const char* kProgramName = "Quenlark";
// "Quenlark 1.0": the version is the project version the build was configured with.
std::string ProgramTitleWithVersion();

// The version the build was configured with; the revision is its third number.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
ProgramVersion CurrentProgramVersion();

}  // namespace quen
