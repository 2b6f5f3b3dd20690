// Picture and icon paths kept relative to the program folder.
#include "startup/ProgramPaths.h"

#include "platform/Ui.h"
#include "startup/FSUPLIBmain.h"
#include "startup/ProgramInfo.h"

namespace quen {

short PathKind(const std::string& path) {
    if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return 0;
    if (path.size() >= 2 && path[0] == '.' && path[1] == '\\') return 1;
    return -1;
}

std::string TransAutoPath(const std::string& path, int kind, const std::string& programFolder) {
    switch (kind) {
        case -1: return "";
        case 0: return path;
        case 1: return StripTrailingBackslash(programFolder) + path.substr(1);
        default:
            platform::ShowMessage("Intrenal Error In TransAutoPath", kProgramName, platform::MsgIcon::None);
            return "";
    }
}

}  // namespace quen
