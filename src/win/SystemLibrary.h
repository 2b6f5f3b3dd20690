// Loading system DLLs from System32 only, so a DLL planted beside the program is never used.
#pragma once

#include <windows.h>

namespace quen::win {

// Takes the program's folder and the current folder out of every later DLL search (the
// system's own loads by name included). Call first thing; looked up at run time because
// older Windows lack the call, where only the current folder can be left out.
void RestrictDllSearch();

// Loads a system DLL from System32 alone; null when it cannot. The module stays loaded for
// the whole run (the process ends with it).
HMODULE LoadSystemLibrary(const char* name);

// A function of a system DLL, or null.
template <typename Fn>
Fn SystemFunction(const char* dll, const char* name) {
    HMODULE m = LoadSystemLibrary(dll);
    return m ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}

}  // namespace quen::win
