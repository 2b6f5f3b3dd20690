// The script check of the make step.
#include "maker/ScriptCheck.h"

namespace quen {

ScriptSupport CheckScriptSupport(const std::vector<ActClass>& actions) {
    ScriptSupport s;
    for (const ActClass& a : actions) {
        if (a.ActType >= kActRun && a.ActType <= kActPatch) s.hasUnsupported = true;
        if (a.ActType >= kActByte && a.ActType <= kActReName) s.hasSupported = true;
    }
    return s;
}

}  // namespace quen
