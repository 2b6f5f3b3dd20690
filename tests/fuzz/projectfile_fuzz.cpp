// Fuzzes the project file reader: any bytes load or are refused without harm, what loads
// gives its list rows (which compute with the action kind) and writes back to text that
// loads to the same project.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "project/ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    const std::string text(reinterpret_cast<const char*>(data), size);
    Project project;
    project.Options.WelcomTitle = "before";
    project.Actions.emplace_back();
    ProjectLoadResult r = LoadProjectText(text, project, "< Previous >");
    if (r.status == LoadStatus::WrongHeader) {
        // Refused: nothing but Modified may change.
        if (project.Options.WelcomTitle != "before" || project.ActionCount() != 1) std::abort();
        return 0;
    }
    if (r.status == LoadStatus::ReadError) {
        if (project.ActionCount() != 0 || r.errorNumber == 0) std::abort();
        return 0;
    }
    for (const ActClass& a : project.Actions) {
        if (a.ActType < kActRun || a.ActType > kActReName || a.RegMain < 0 || a.RegMain >= kRegRootCount) std::abort();
    }
    Project again;
    if (LoadProjectText(ProjectFileText(project), again, "< Previous >").status != LoadStatus::Loaded) {
        std::abort();
    }
    if (!(again.Options == project.Options) || !(again.Actions == project.Actions)) std::abort();
    return 0;
}
