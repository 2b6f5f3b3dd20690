// The messages of opening a project file.
#include "editor/ProjectOpen.h"

#include "base/Text.h"
#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "platform/Ui.h"
#include "project/ProjectFile.h"

namespace quen {

bool OpenProjectFile(const std::string& path, Project& project, const Lang& lang) {
    ProjectLoadResult r = LoadProject(path, project, lang.Dir_Type_Pre());
    switch (r.status) {
        case LoadStatus::Loaded:
            return true;
        case LoadStatus::WrongHeader:
            platform::ShowMessage(lang.msg_FileFormatError(), lang.msg_Error(), platform::MsgIcon::Exclamation);
            return false;
        case LoadStatus::ReadError:
            break;
    }
    ReportError(lang, kLoadProjectErrorName, r.errorNumber);
    return false;
}

std::string ProjectOnCommandLine(const std::string& commandLine) {
    std::string path = TrimBlanks(commandLine);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    return path.size() >= 4 && LowerCase(path.substr(path.size() - 4)) == ".prj" ? path : "";
}

}  // namespace quen
