// Opens one of the options windows the way the main window will, for the end-to-end tests:
//   OptionsProbe.exe patch|program|about|test PROGRAM_FOLDER [PROJECT_OUT.prj]
// "patch" saves the project (with the options the dialog left) to PROJECT_OUT and prints
// whether OK saved; "program" prints the directory kinds it was told to translate.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "editor/ProgramInit.h"
#include "options/win/AboutDialog.h"
#include "options/win/PatchOptionsDialog.h"
#include "options/win/ProgramOptionsDialog.h"
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
    } else if (what == "program") {
        quen::ShowProgramOptionsDialog(nullptr, *program, [](const quen::DirTypeTexts& previous) {
            std::printf("switched from %s\n", previous.me.c_str());
        });
        std::printf("language=%s me=%s\n", program->lang.Language().c_str(), program->lang.Dir_Type_Me().c_str());
    } else if (what == "about") {
        quen::ShowAboutDialog(nullptr, *program);
    } else if (what == "test") {
        quen::ShowTestDialog(nullptr, *program);
    }
    std::fflush(stdout);
    return 0;
}
