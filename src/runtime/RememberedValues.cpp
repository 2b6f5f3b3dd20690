// Where paused registry values are remembered.
#include "runtime/RememberedValues.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

#include "runtime/TargetDir.h"

namespace quen::runtime {

namespace {

constexpr const char* kSection = "OffReg";

std::string ValueKey(int n) { return "Value" + std::to_string(n); }
std::string EntryKey(int n) { return "Entry" + std::to_string(n); }

}  // namespace

std::string RememberFilePath(const std::string& tempDir, const std::string& scriptFile) {
    // Named after the script path: its file name for people, a hash of the whole path so
    // two scripts of the same name do not share a file.
    uint32_t hash = 2166136261u;
    for (unsigned char c : scriptFile) {
        hash ^= static_cast<unsigned char>(std::toupper(c));
        hash *= 16777619u;
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(hash));
    size_t slash = scriptFile.rfind('\\');
    std::string name = slash == std::string::npos ? scriptFile : scriptFile.substr(slash + 1);
    return StripTrailingBackslash(tempDir) + "\\Quenlark-" + name + "-" + hex + ".ini";
}

RememberedValues::RememberedValues(RunContext& ctx)
    : ctx_(ctx), file_(RememberFilePath(ctx.io.system.TempDir(), ctx.st.ScriptFile)) {}

void RememberedValues::Clear() { ctx_.io.files.DeleteForce(file_); }

bool RememberedValues::Keep(int n, const std::string& entry, bool present, const std::string& data) {
    bool inScript, inFile;
    if (present) {
        inScript = ctx_.script.Write(kSection, ValueKey(n), data);
        inFile = ctx_.io.ini.WriteKey(file_, kSection, EntryKey(n), entry) &&
                 ctx_.io.ini.WriteKey(file_, kSection, ValueKey(n), data);
    } else {
        // No stale data from an earlier run may bring back a value that did not exist.
        inScript = ctx_.script.Delete(kSection, ValueKey(n));
        inFile = ctx_.io.ini.WriteKey(file_, kSection, EntryKey(n), entry);
        if (inFile && ctx_.io.files.Exists(file_)) ctx_.io.ini.DelKey(file_, kSection, ValueKey(n));
    }
    return inScript || inFile;
}

bool RememberedValues::Recall(int n, const std::string& entry, std::string& data) {
    if (ctx_.script.Find(kSection, ValueKey(n), data)) return true;
    if (!ctx_.io.files.Exists(file_)) return false;
    std::string keptFor;
    if (!ctx_.io.ini.ReadKey(file_, kSection, EntryKey(n), keptFor) || keptFor != entry) return false;
    return ctx_.io.ini.ReadKey(file_, kSection, ValueKey(n), data);
}

}  // namespace quen::runtime
