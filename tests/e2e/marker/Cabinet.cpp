// A planted Cabinet.dll: loading it leaves "planted-dll-loaded.txt" beside it. It exports
// FDI's names so a program importing them would start with it.
#include <windows.h>

extern "C" __declspec(dllexport) void* FDICreate() { return nullptr; }
extern "C" __declspec(dllexport) int FDICopy() { return 0; }
extern "C" __declspec(dllexport) int FDIDestroy() { return 0; }

BOOL WINAPI DllMain(HINSTANCE self, DWORD, LPVOID) {
    char path[MAX_PATH + 32] = {};
    DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
    while (n > 0 && path[n - 1] != '\\') --n;
    lstrcpyA(path + n, "planted-dll-loaded.txt");
    CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return TRUE;
}
