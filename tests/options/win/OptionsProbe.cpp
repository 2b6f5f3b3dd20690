// For the end-to-end tests: OptionsProbe.exe patch|test PROGRAM_FOLDER [PROJECT_OUT.prj [PROJECT_IN.prj]].
// "patch" loads PROJECT_IN, prints whether OK saved and saves the project to PROJECT_OUT; "test" opens the test dialog
// (the main window's key chord needs a held Ctrl, Alt and Shift that posted keys cannot give).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "editor/ProgramInit.h"
#include "options/win/PatchOptionsDialog.h"
#include "options/win/TestDialog.h"
#include "project/ProjectFile.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string what = argv[1];
    auto program = quen::ProgramInit(argv[2], "Quenlark", {});
    if (!program) return 1;
    if (what == "patch") {
        if (argc > 4) quen::LoadProject(argv[4], program->project, program->lang.Dir_Type_Pre());
        const bool saved = quen::ShowPatchOptionsDialog(nullptr, *program);
        std::printf("saved=%d\n", saved ? 1 : 0);
        if (argc > 3) quen::SaveProject(argv[3], program->project);
    } else if (what == "test") {
        quen::ShowTestDialog(nullptr, *program);
    }
    std::fflush(stdout);
    return 0;
}
