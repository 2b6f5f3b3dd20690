// The runtime's entry: decides whether the command line names a script and applies it.
#include "runtime/ScriptRun.h"

#include "runtime/CommandLine.h"
#include "runtime/RunSequence.h"

namespace quen {

bool ScriptRunOn(const std::string& commandLine, runtime::RuntimePorts& ports, const ProgramPlace& program,
                 int& exitCode) {
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
