// PatchHead.exe: the front of every patch executable. It applies the package appended to it.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/win/AnsiPath.h"
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

// Makes `path` full, in the code page; false when the current folder's letters have no
// code-page form.
bool MakeFull(std::string& path) {
    if (path.empty()) return true;
    wchar_t full[MAX_PATH * 2] = {};
    const DWORD n = GetFullPathNameW(quen::platform::Wide(path).c_str(), MAX_PATH * 2, full, nullptr);
    if (n == 0 || n >= MAX_PATH * 2) return true;  // left as given: the run tells what it cannot use
    const std::optional<std::string> ansi = quen::platform::AnsiPath(std::wstring(full, n));
    if (ansi) path = *ansi;
    return ansi.has_value();
}

constexpr int kRefused = static_cast<int>(quen::runtime::RunOutcome::CancelledOrBad);

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR lossyLine, int) {
    // A patch is often run from Downloads, where anyone may have left a DLL of a system name.
    quen::win::RestrictDllSearch();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    using InitControlsFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto init = quen::win::SystemFunction<InitControlsFn>("comctl32.dll", "InitCommonControlsEx")) init(&controls);
    quen::win::ScopedComInit com;  // the folder browser and the picture
    // Windows' own code-page form of the command line may replace a letter by a look-alike:
    // it serves only to refuse such a line as the switches ask (/S: silently).
    const std::optional<std::string> commandLine = quen::platform::ArgumentsInCodePage();
    quen::runtime::HeadOptions options =
        quen::runtime::ParseHeadCommandLine(commandLine.value_or(lossyLine ? lossyLine : ""));
    if (!commandLine) options.logFile.clear();  // a look-alike may name another file
    // The resumed run starts in another folder: relative paths would name other places.
    const bool fits = commandLine && MakeFull(options.answerDir) && MakeFull(options.logFile);
    quen::head::FileLog log;
    const bool logging = !options.logFile.empty() && log.Open(options.logFile);
    quen::head::SetSilentMessages(options.silent, logging ? &log : nullptr);
    if (!fits) {
        quen::head::Tell("The command line or the current folder holds letters outside this system's code page.");
        return kRefused;
    }
    if (!options.error.empty()) {
        quen::head::Tell(options.error);
        return kRefused;
    }
    if (!options.logFile.empty() && !logging) {
        quen::head::Tell("The log file " + options.logFile + " cannot be written.");
        return kRefused;
    }
    try {
        return quen::head::RunPatchExecutable(options, logging ? &log : nullptr);
    } catch (...) {
        // Out of memory, say: the run may have changed something already, so it stopped.
        quen::head::Tell("The patch stopped on an unexpected fault.");
        return static_cast<int>(quen::runtime::RunOutcome::Stopped);
    }
}
