// Loading system DLLs from System32 only.
#include "win/SystemLibrary.h"

#include <string>

namespace quen::win {

namespace {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

using SetDefaultDirsFn = BOOL(WINAPI*)(DWORD);

// kernel32 is always loaded from System32, so asking it by name is safe.
SetDefaultDirsFn SetDefaultDirs() {
    return reinterpret_cast<SetDefaultDirsFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
}

}  // namespace

void RestrictDllSearch() {
    if (SetDefaultDirsFn set = SetDefaultDirs()) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryA("");
}

HMODULE LoadSystemLibrary(const char* name) {
    // Systems with the call also understand the System32-only search flag.
    if (SetDefaultDirs()) return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    char dir[MAX_PATH + 1] = {};
    const UINT n = GetSystemDirectoryA(dir, MAX_PATH);
    if (n == 0 || n > MAX_PATH) return nullptr;
    const std::string path = std::string(dir, n) + "\\" + name;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace quen::win
