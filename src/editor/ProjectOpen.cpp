// The messages of opening a project file.
#include "editor/ProjectOpen.h"

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

}  // namespace quen
