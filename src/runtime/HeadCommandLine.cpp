// The command line of a patch executable.
#include "runtime/HeadCommandLine.h"

#include <cctype>
#include <vector>

#include "runtime/UndoRecord.h"

namespace quen::runtime {

namespace {

std::vector<std::string> SplitArguments(const std::string& line) {
    std::vector<std::string> args;
    std::string cur;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) args.push_back(cur);
            cur.clear();
            any = false;
        } else {
            cur += c;
            any = true;
        }
    }
    if (any) args.push_back(cur);
    return args;
}

bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
    return true;
}

// Sets `value` from "PREFIX=value"; an empty value is an error.
bool TakeValue(const std::string& arg, const std::string& prefix, std::string& value, std::string& error) {
    if (!StartsWithNoCase(arg, prefix)) return false;
    value = arg.substr(prefix.size());
    if (value.empty()) error = prefix + " needs a value.";
    return true;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

HeadOptions ParseHeadCommandLine(const std::string& line) {
    HeadOptions o;
    const std::vector<std::string> args = SplitArguments(line);
    for (size_t i = 0; i < args.size() && o.error.empty(); ++i) {
        const std::string& a = args[i];
        if (a.size() == 2 && StartsWithNoCase(a, "/S")) {
            o.silent = true;
        } else if (a.size() == 2 && StartsWithNoCase(a, kSettleMarker)) {
            o.settle = true;
        } else if (a.size() == 2 && StartsWithNoCase(a, "/A") && i + 1 < args.size()) {
            o.resume = true;
            o.resumeId = args[++i];
        } else if (!TakeValue(a, "/D=", o.answerDir, o.error) && !TakeValue(a, "/LOG=", o.logFile, o.error)) {
            o.error = "Unknown argument: " + a;
        }
    }
    if (!o.error.empty()) o.error += "\r\nUse: /S (silent), /D=folder (the target folder), /LOG=file (write the log).";
    return o;
}

std::string ResumeSwitches(const HeadOptions& o) {
    std::string s = o.silent ? "/S" : "";
    if (!o.answerDir.empty()) s += (s.empty() ? "" : " ") + Quoted("/D=" + o.answerDir);
    if (!o.logFile.empty()) s += (s.empty() ? "" : " ") + Quoted("/LOG=" + o.logFile);
    return s;
}

}  // namespace quen::runtime
