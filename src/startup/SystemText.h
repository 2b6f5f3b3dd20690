// Text rules of the system services: command lines, a program's folder, OS family codes.
#pragma once

#include <string>

namespace quen {

// The command line a started program receives: its path in quotes, then the arguments
// after one blank (a leading blank of the arguments serves as that blank), so that the
// program sees its own path first and every argument after it.
std::string BuildCommandLine(const std::string& program, const std::string& arguments);

// The text before the last "\" of a program path ("" when there is none).
std::string ProgramFolder(const std::string& programPath);

// Operating-system family code of a platform id: 0 "31", 1 "9X", 2 "NT", else "Unknow".
std::string OsFamilyCode(unsigned long platformId);

}  // namespace quen
