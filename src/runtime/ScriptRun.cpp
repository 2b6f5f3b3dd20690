// The runtime's entry: decides whether the command line names a script and applies it.
#include "runtime/ScriptRun.h"

#include "platform/Ui.h"
#include "runtime/CommandLine.h"
#include "startup/AppINI.h"
#include "startup/Errors.h"
#include "startup/FSUPLIBmain.h"

namespace quen {
namespace {

// The script's identifier, or "" when the script cannot be read at all.
std::string ReadScriptId(const std::string& scriptFile) {
    AppINI ini;
    ini.FileName = scriptFile;
    ini.Section = "Setup";
    std::string id;
    try {
        ini.ReadKey("ScriptID", id);
    } catch (const Error&) {
        return "";
    }
    return id;
}

}  // namespace

bool ScriptRun(const std::string& commandLine, int& exitCode) {
    const auto parsed = ParseCommandLine(commandLine, [](const std::string& p) { return FileExists(p, 6); });
    if (!parsed.hasScript) return false;
    // A missing or unreadable script is refused like a wrong one: nothing is changed.
    if (ReadScriptId(parsed.scriptFile) != kScriptId) {
        platform::ShowMessage("BAD Script File", "Script ERROR", platform::MsgIcon::Critical);
        exitCode = kRunCancelledOrBadScript;
        return true;
    }
    exitCode = kRunAllSucceeded;
    return true;
}

}  // namespace quen
