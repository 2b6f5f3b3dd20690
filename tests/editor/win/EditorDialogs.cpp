// Test host: EditorDialogs.exe define|ini|make PROGRAM_FOLDER PROJECT.prj [ACTION]
// starts the editor's program objects from PROGRAM_FOLDER, loads the project, opens the
// dialog over an owner window titled "Dialog Host" (for define and ini: on action ACTION,
// 1-based) and afterwards saves the project back, so a test reads what the dialog stored.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/ProgramInit.h"
#include "editor/win/frmDefine.h"
#include "editor/win/frmINI.h"
#include "editor/win/frmMake.h"
#include "project/ProjectFile.h"

namespace {

HWND OwnerWindow() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(1));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "QuenDialogHost";
    RegisterClassExA(&wc);
    HWND owner = CreateWindowExA(0, wc.lpszClassName, "Dialog Host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 120, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    ShowWindow(owner, SW_SHOWNORMAL);
    return owner;
}

int Run(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: EditorDialogs define|ini|make PROGRAM_FOLDER PROJECT.prj [ACTION]\n");
        return 2;
    }
    const std::string what = argv[1], projectPath = argv[3];
    std::unique_ptr<quen::Program> program = quen::ProgramInit(argv[2], "Quenlark", {[] {}});
    if (!program) return 1;
    const quen::ProjectLoadResult loaded =
        quen::LoadProject(projectPath, program->project, program->lang.Dir_Type_Pre());
    if (loaded.status != quen::LoadStatus::Loaded) {
        std::fprintf(stderr, "cannot load %s: %s\n", projectPath.c_str(), loaded.message.c_str());
        return 1;
    }
    HWND owner = OwnerWindow();
    if (what == "make") {
        quen::ShowMakeDialog(owner, *program);
        return 0;
    }
    const int index = argc > 4 ? std::atoi(argv[4]) : 1;
    quen::ActClass& action = program->project.Action(index);
    const bool changed = what == "define" ? quen::ShowDefineDialog(owner, *program, action)
                                          : quen::ShowIniDialog(owner, *program, action);
    std::printf("changed=%d modified=%d\n", changed ? 1 : 0, program->project.Modified ? 1 : 0);
    quen::SaveProject(projectPath, program->project);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "EditorDialogs: %s\n", e.what());
        return 1;
    }
}
