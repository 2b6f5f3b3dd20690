// Registration of the patch script file type (.qnl) under HKEY_CLASSES_ROOT.
#pragma once

#include <string>

namespace quen {

// Associates ".qnl" with "QuenlarkScript", whose icon is index 1 of the executable and
// whose open command is "\"<folder>\<exeName>.EXE\" \"%1\" %2 %3". programFolder has
// no trailing "\"; exeName has no extension. Results are not examined: a refused write
// shows only the registry accessor's message and the remaining steps still run.
void RegisterScriptType(const std::string& programFolder, const std::string& exeName);

// Removes the keys written by RegisterScriptType, deepest first; absent keys are passed over.
void UnregisterScriptType();

}  // namespace quen
