// Quenlark.exe: applies the script named on the command line, or opens the editor.
#include <windows.h>
#include <commctrl.h>

#include "editor/win/frmMain.h"
#include "project/win/ScriptType.h"
#include "runtime/ScriptRun.h"
#include "editor/ProgramInit.h"
#include "editor/ProjectOpen.h"
#include "win/ModulePath.h"
#include "win/SystemLibrary.h"

namespace {

int RunEditor(const std::string& commandLine, int showCommand) {
    const quen::win::ModulePath self = quen::win::CurrentModulePath();
    quen::StartupServices services;
    services.registerScriptType = [&self] { quen::RegisterScriptType(self.folder, self.exeName); };
    std::unique_ptr<quen::Program> program = quen::ProgramInit(self.folder, self.exeName, services);
    if (!program) return 1;

    quen::frmMain main(*program);
    if (!main.Show(showCommand)) return 1;
    main.PlayOpenWave();
    main.StartCdAudio();
    if (const std::string project = quen::ProjectOnCommandLine(commandLine); !project.empty()) main.OpenProject(project);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (main.PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand) {
    quen::win::RestrictDllSearch();  // later loads by name (theming, dialogs) from System32 only
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int exitCode = 0;
    const std::string line = commandLine ? commandLine : "";
    if (quen::ScriptRun(line, exitCode)) return exitCode;
    return RunEditor(line, showCommand);
}
