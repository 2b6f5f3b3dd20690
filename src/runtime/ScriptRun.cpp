// The runtime's entry: decides whether the command line names a script and applies it.
#include "runtime/ScriptRun.h"

#include "runtime/CommandLine.h"
#include "base/Text.h"
#include "runtime/RunSequence.h"
#include "runtime/UndoRecord.h"

namespace quen {

bool ScriptRunOn(const std::string& commandLine, runtime::RuntimePorts& ports, const ProgramPlace& program,
                 int& exitCode) {
    // The start entry of an undo record: settle what an interrupted patch left.
    if (UpperCase(TrimBlanks(commandLine)) == runtime::kSettleMarker) {
        const runtime::RunRequest request{"", false, program.folder, program.exeName};
        exitCode = static_cast<int>(runtime::SettleInterruptedRun(request, ports));
        return true;
    }
    runtime::FilePort& files = ports.files;
    const auto parsed = ParseCommandLine(commandLine, [&files](const std::string& p) {
        return files.Exists(p) && !files.IsDirectory(p);
    });
    if (!parsed.hasScript) return false;
    const runtime::RunRequest request{parsed.scriptFile, parsed.secondPhase, program.folder, program.exeName};
    exitCode = static_cast<int>(runtime::RunScript(request, ports));
    return true;
}

}  // namespace quen
