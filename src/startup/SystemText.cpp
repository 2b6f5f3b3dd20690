// Text rules of the system services: command lines, a program's folder, OS family codes.
#include "startup/SystemText.h"

namespace quen {

std::string BuildCommandLine(const std::string& program, const std::string& arguments) {
    std::string line = "\"" + program + "\"";
    if (arguments.empty()) return line;
    if (arguments.front() != ' ') line += ' ';
    return line + arguments;
}

std::string ProgramFolder(const std::string& programPath) {
    std::size_t slash = programPath.rfind('\\');
    return slash == std::string::npos ? std::string() : programPath.substr(0, slash);
}

std::string OsFamilyCode(unsigned long platformId) {
    switch (platformId) {
        case 0: return "31";
        case 1: return "9X";
        case 2: return "NT";
        default: return "Unknow";
    }
}

}  // namespace quen
