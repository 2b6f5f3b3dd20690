// Whether a stand-alone script can carry a project's actions.
#pragma once

#include <vector>

#include "project/ActClass.h"

namespace quen {

// Stand-alone scripts carry no file data, so kinds 0 to 2 (Execute, Add, Patch File)
// cannot be in them; kinds 3 to 6 can.
struct ScriptSupport {
    bool hasUnsupported = false;  // ask once whether to go on without them
    bool hasSupported = false;    // without any, no script can be made
};

ScriptSupport CheckScriptSupport(const std::vector<ActClass>& actions);

}  // namespace quen
