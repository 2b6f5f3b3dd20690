// PatchHead.exe: the front of every patch executable. It applies the package appended to it.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "programs/PatchHead/HeadRun.h"
#include "programs/PatchHead/HeadUi.h"
#include "runtime/RuntimeState.h"
#include "win/ComInit.h"
#include "win/SystemLibrary.h"

// The library's default handler prints a demangled type name and pulls in the demangler
// (about 50 KB of the head); a head that must terminate has no console to print to.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace {

std::string FullPath(const std::string& path) {
    if (path.empty()) return path;
    char full[MAX_PATH * 2] = {};
    const DWORD n = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return n > 0 && n < sizeof full ? std::string(full, n) : path;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    // A patch is often run from Downloads, where anyone may have left a DLL of a system name.
    quen::win::RestrictDllSearch();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    using InitControlsFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto init = quen::win::SystemFunction<InitControlsFn>("comctl32.dll", "InitCommonControlsEx")) init(&controls);
    quen::win::ScopedComInit com;  // the folder browser and the picture
    quen::runtime::HeadOptions options = quen::runtime::ParseHeadCommandLine(commandLine ? commandLine : "");
    // The resumed run starts in another folder: relative paths would name other places.
    options.answerDir = FullPath(options.answerDir);
    options.logFile = FullPath(options.logFile);
    quen::head::FileLog log;
    const bool logging = !options.logFile.empty() && log.Open(options.logFile);
    quen::head::SetSilentMessages(options.silent, logging ? &log : nullptr);
    if (!options.error.empty()) {
        quen::head::Tell(options.error);
        return static_cast<int>(quen::runtime::RunOutcome::CancelledOrBad);
    }
    if (!options.logFile.empty() && !logging) {
        quen::head::Tell("The log file " + options.logFile + " cannot be written.");
        return static_cast<int>(quen::runtime::RunOutcome::CancelledOrBad);
    }
    try {
        return quen::head::RunPatchExecutable(options, logging ? &log : nullptr);
    } catch (...) {
        // Out of memory, say: the run may have changed something already, so it stopped.
        quen::head::Tell("The patch stopped on an unexpected fault.");
        return static_cast<int>(quen::runtime::RunOutcome::Stopped);
    }
}
