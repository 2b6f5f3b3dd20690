// Reads the runtime's command line: the script to apply and the resume marker.
#pragma once

#include <functional>
#include <string>

namespace quen {

inline constexpr const char* kResumeMarker = "/A";

struct CommandLineResult {
    bool hasScript = false;
    std::string scriptFile;
    bool secondPhase = false;
};

// Blank-separated tokens: "/A" marks the resumed run; a token whose second and third
// characters are ":\" and whose extension is QNL names the script (the last one wins).
// Older registrations of the file type pass %1 unquoted, so a script in a folder with blanks
// arrives split into several tokens: when no token names a script, a double-quoted path
// of that form is accepted, and then the whole remaining text (without "/A") when it is a
// full path (platform::IsFullPath) of an existing .qnl file (`fileExists` answers that).
CommandLineResult ParseCommandLine(const std::string& line,
                                   const std::function<bool(const std::string&)>& fileExists);

}  // namespace quen
