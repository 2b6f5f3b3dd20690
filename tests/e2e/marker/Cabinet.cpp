// A planted Cabinet.dll: loading it leaves "planted-dll-loaded.txt" beside it. It exports
// FDI's names so a program importing them would start with it.
#include <windows.h>

extern "C" __declspec(dllexport) void* FDICreate() { return nullptr; }
extern "C" __declspec(dllexport) int FDICopy() { return 0; }
extern "C" __declspec(dllexport) int FDIDestroy() { return 0; }

BOOL WINAPI DllMain(HINSTANCE self, DWORD, LPVOID) {
    wchar_t path[MAX_PATH + 32] = {};  // the folder's name may be outside the code page
    DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
    while (n > 0 && path[n - 1] != L'\\') --n;
    lstrcpyW(path + n, L"planted-dll-loaded.txt");
    CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return TRUE;
}
