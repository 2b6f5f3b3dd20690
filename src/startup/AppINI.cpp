// AppINI: INI files read and rewritten whole through the line rules of IniLines.
#include "startup/AppINI.h"

#include "base/Errors.h"
#include "platform/Files.h"
#include "startup/IniLines.h"

namespace quen {

namespace {

std::string OpenErrorText(int number, const std::string& path) {
    switch (number) {
        case kErrFileNotFound: return "File not found: " + path;
        case kErrPermissionDenied: return "Permission denied: " + path;
        default: return "Path/File access error: " + path;
    }
}

}  // namespace

bool AppINI::ReadKey(const std::string& key, std::string& value) const {
    value.clear();
    const std::string path = TrimBlanks(FileName);
    std::string text;
    if (const int err = platform::ReadWholeFile(path, text)) throw Error(err, OpenErrorText(err, path));
    return ini::FindKey(ini::SplitLines(text), Section, key, value);
}

bool AppINI::WriteKey(const std::string& key, const std::string& value) {
    return EditKey(key, value, false);
}

bool AppINI::DelKey(const std::string& key) { return EditKey(key, {}, true); }

// Rewrites the file through a temporary file beside it, so a failed write leaves the old
// file whole. A file that exists but cannot be read is left alone (never replaced).
bool AppINI::EditKey(const std::string& key, const std::string& value, bool remove) {
    const std::string path = TrimBlanks(FileName);
    if (path.empty() || Section.empty()) return false;
    std::string text;
    const int err = platform::ReadWholeFile(path, text);
    if (err == kErrFileNotFound && !remove) {
        const ini::Lines fresh{ini::HeaderLine(Section), key + "=" + value};
        return platform::WriteFileReplacing(path, ini::JoinLines(fresh)) == 0;
    }
    if (err != 0) return false;
    ini::Lines lines = ini::SplitLines(text);
    const bool done = ini::EditKey(lines, Section, key, value, remove ? ini::KeyEdit::Remove : ini::KeyEdit::Write);
    if (platform::WriteFileReplacing(path, ini::JoinLines(lines)) != 0) return false;
    return done;
}

bool AppINI::DelSection(const std::string& name) {
    const std::string path = TrimBlanks(FileName);
    std::string text;
    if (path.empty() || platform::ReadWholeFile(path, text) != 0) return false;
    ini::Lines lines = ini::SplitLines(text);
    ini::RemoveSection(lines, name);
    platform::WriteFileReplacing(path, ini::JoinLinesTerminated(lines));
    return false;
}

bool AppINI::RenSection(const std::string& name, const std::string& text) {
    const std::string path = TrimBlanks(FileName);
    if (path.empty()) return false;
    std::string old;
    const int err = platform::ReadWholeFile(path, old);
    if (err != 0 && err != kErrFileNotFound) return false;
    ini::Lines lines = ini::SplitLines(old);
    ini::ReplaceSection(lines, name, ini::SplitEntries(text));
    platform::WriteFileReplacing(path, ini::JoinLinesTerminated(lines));
    return false;
}

}  // namespace quen
