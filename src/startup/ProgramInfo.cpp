// The program's name and version as shown to users.
#include "startup/ProgramInfo.h"

namespace quen {

std::string ProgramTitleWithVersion() {
    return std::string(kProgramName) + " " + std::to_string(QUEN_VERSION_MAJOR) + "." + std::to_string(QUEN_VERSION_MINOR);
}

ProgramVersion CurrentProgramVersion() { return {QUEN_VERSION_MAJOR, QUEN_VERSION_MINOR, QUEN_VERSION_PATCH}; }

}  // namespace quen
