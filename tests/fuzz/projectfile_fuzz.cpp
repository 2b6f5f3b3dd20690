// Fuzzes the project file reader: any bytes load or are refused without harm, what loads
// gives its list rows (which compute with the action kind) and writes back to text that
// loads to the same project.
#include <string>

#include "fuzz/FuzzInput.h"
#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    using fuzz::Require;
    const std::string text(reinterpret_cast<const char*>(data), size);
    Project project;
    project.Options.WelcomTitle = "before";
    project.Actions.emplace_back();
    ProjectLoadResult r = LoadProjectText(text, project, "< Previous >");
    if (r.status == LoadStatus::WrongHeader) {  // refused: nothing but Modified may change
        Require(project.Options.WelcomTitle == "before" && project.ActionCount() == 1);
        return 0;
    }
    if (r.status == LoadStatus::ReadError) {
        Require(project.ActionCount() == 0 && r.errorNumber != 0);
        return 0;
    }
    for (const ActClass& a : project.Actions)
        Require(a.ActType >= kActRun && a.ActType <= kActReName && a.RegMain >= 0 && a.RegMain < kRegRootCount);
    Project again;
    Require(LoadProjectText(ProjectFileText(project), again, "< Previous >").status == LoadStatus::Loaded);
    Require(again.Options == project.Options && again.Actions == project.Actions);
    return 0;
}
