// A tiny program for process tests:
//   quen_test_child <out file> <ms> <exit code> [/window] [args...]
// waits <ms> (with /window: showing a window and answering its messages, so that it
// becomes idle for input at once), then writes its working folder and its remaining
// arguments (one a line) to <out file>, and exits with <exit code>. Writing last lets a
// caller tell whether it waited for the end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void PumpWithWindow(DWORD ms) {
    HWND w = CreateWindowExA(0, "STATIC", "quen_test_child", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetTimer(w, 1, ms, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) break;
        DispatchMessageA(&msg);
    }
    DestroyWindow(w);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 100;
    const DWORD ms = static_cast<DWORD>(std::atoi(argv[2]));
    int first = 4;
    if (argc > 4 && std::strcmp(argv[4], "/window") == 0) {
        PumpWithWindow(ms);
        first = 5;
    } else {
        Sleep(ms);
    }
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) return 101;
    std::fprintf(f, "%s\n", cwd);
    for (int i = first; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
    std::fclose(f);
    return std::atoi(argv[3]);
}
