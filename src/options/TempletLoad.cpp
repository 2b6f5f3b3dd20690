// The messages of loading templates.
#include "options/TempletLoad.h"

#include <exception>

#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "options/Templet.h"
#include "platform/Ui.h"

namespace quen {

bool LoadTemplet(const std::string& path, PatchOptions& options, const Lang& lang) {
    if (ReadTemplet(path, options) == TempletStatus::Loaded) return true;
    platform::ShowMessage(lang.msg_Wrong_Templet_File(), lang.msg_Error(), platform::MsgIcon::Exclamation);
    return false;
}

bool LoadDefaultTemplet(const std::string& path, PatchOptions& options, const Lang& lang) {
    try {
        return LoadTemplet(path, options, lang);
    } catch (...) {
        ReportError(lang, "", std::current_exception());
        return false;
    }
}

}  // namespace quen
