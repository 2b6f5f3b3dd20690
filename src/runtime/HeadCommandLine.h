// The command line of a patch executable: /S silent, /D=folder, /LOG=file, "/A" with the
// package's identity when a run resumes after a Windows exit, "/U" when it settles an
// interrupted run at logon.
#pragma once

#include <string>

namespace quen::runtime {

struct HeadOptions {
    bool silent = false;      // /S: no windows; an unanswered directory question fails its action
    std::string answerDir;    // /D=folder: the answer to every directory question
    std::string logFile;      // /LOG=file: the progress log lines go to this file
    bool resume = false;      // /A: the run resumes after a Windows exit
    std::string resumeId;     // the package identity named after /A
    bool settle = false;      // /U: only settle what an interrupted patch left (its start entry)
    std::string error;        // a sentence for the user when the line is not understood
};

// Arguments are separated by blanks; double quotes group blanks into one argument
// (/D="C:\My Folder" and "/D=C:\My Folder" alike). Switches are case-insensitive. A
// path is allowed only after /A; anything else is refused.
HeadOptions ParseHeadCommandLine(const std::string& line);

// The switches a resumed run must keep (silent and the log), as command-line text.
std::string ResumeSwitches(const HeadOptions& options);

}  // namespace quen::runtime
