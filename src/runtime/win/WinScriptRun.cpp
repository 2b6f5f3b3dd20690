// ScriptRun on the real platform: files, AppINI, the registry, Windows and its windows.
#include "runtime/ScriptRun.h"

#include "runtime/PlatformPorts.h"
#include "runtime/win/WinRuntimePorts.h"
#include "startup/win/WinRegistry.h"
#include "win/ModulePath.h"

namespace quen {

bool ScriptRun(const std::string& commandLine, int& exitCode) {
    runtime::PlatformFiles files;
    runtime::AppIniFiles ini;
    quen::win::WinRegistry registry;
    runtime::win::WinSystem system;
    runtime::win::WinWindows windows;
    runtime::RuntimePorts ports{files, ini, registry, system, windows};
    const quen::win::ModulePath me = quen::win::CurrentModulePath();
    return ScriptRunOn(commandLine, ports, {me.folder, me.exeName}, exitCode);
}

}  // namespace quen
