// Opens the options windows the main window cannot open for a test, for the end-to-end tests:
//   OptionsProbe.exe patch|test PROGRAM_FOLDER [PROJECT_OUT.prj]
// "patch" saves the project (with the options the dialog left) to PROJECT_OUT and prints
// whether OK saved; "test" is the test dialog (the main window opens it with a key chord
// that posted keys cannot give).
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
        const bool saved = quen::ShowPatchOptionsDialog(nullptr, *program);
        std::printf("saved=%d\n", saved ? 1 : 0);
        if (argc > 3) quen::SaveProject(argv[3], program->project);
    } else if (what == "test") {
        quen::ShowTestDialog(nullptr, *program);
    }
    std::fflush(stdout);
    return 0;
}
