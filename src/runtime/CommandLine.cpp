// Reads the runtime's command line: the script to apply and the resume marker.
#include "runtime/CommandLine.h"

#include <algorithm>

#include "platform/Files.h"
#include "startup/FSUPLIBmain.h"
#include "startup/IniLines.h"

namespace quen {
namespace {

bool LooksLikeScriptPath(const std::string& path) {
    return path.size() >= 3 && path.compare(1, 2, ":\\") == 0 && GetExtension(path) == "QNL";
}

// The first double-quoted text of the line that has the script form, or "".
std::string QuotedScript(const std::string& line) {
    for (size_t open = line.find('"'); open != std::string::npos;) {
        const size_t close = line.find('"', open + 1);
        if (close == std::string::npos) break;
        const std::string inner = TrimBlanks(line.substr(open + 1, close - open - 1));
        if (LooksLikeScriptPath(inner)) return inner;
        open = line.find('"', close + 1);
    }
    return "";
}

// The line without its "/A" tokens, blanks trimmed.
std::string WithoutResumeMarker(const std::string& line) {
    const std::string padded = " " + line + " ";
    const std::string marker = std::string(" ") + kResumeMarker + " ";
    std::string rest;
    size_t from = 0;
    for (size_t at; (at = padded.find(marker, from)) != std::string::npos; from = at + marker.size() - 1) {
        rest += padded.substr(from, at - from);
    }
    rest += padded.substr(from);
    return TrimBlanks(rest);
}

}  // namespace

CommandLineResult ParseCommandLine(const std::string& line,
                                   const std::function<bool(const std::string&)>& fileExists) {
    CommandLineResult result;
    std::string fields = TrimBlanks(line);
    std::replace(fields.begin(), fields.end(), ' ', ',');
    for (int n = 1;; ++n) {
        const std::string field = GetField(fields, n);
        if (field.empty()) break;
        if (field == kResumeMarker) {
            result.secondPhase = true;
        } else if (LooksLikeScriptPath(field)) {
            result.scriptFile = field;
            result.hasScript = true;
        }
    }
    if (result.hasScript) return result;

    std::string candidate = QuotedScript(line);
    if (candidate.empty()) {
        const std::string rest = WithoutResumeMarker(line);
        // A relative path would depend on the folder Windows happened to start us in.
        if (GetExtension(rest) == "QNL" && platform::IsFullPath(rest) && fileExists && fileExists(rest)) candidate = rest;
    }
    if (!candidate.empty()) {
        result.scriptFile = candidate;
        result.hasScript = true;
    }
    return result;
}

}  // namespace quen
