// The console maker's work: arguments in, script out, messages on the console.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace quen {

struct MakeCommandEnv {
    std::string programFolder;                                  // holds Quenlark.ini, Language\*
    std::function<std::string(const std::string&)> absolutePath;  // against the current folder
    std::ostream* out = nullptr;                                // progress
    std::ostream* err = nullptr;                                // messages
};

// Runs QuenMake with its arguments (without the program name). Returns the exit code:
// 0 when the script or patch executable was made, 1 on any failure (an existing output
// is then left as it was).
int RunMakeCommand(const std::vector<std::string>& args, const MakeCommandEnv& env);

// The usage text printed for "/?" and for wrong arguments.
std::string MakeCommandUsage();

}  // namespace quen
