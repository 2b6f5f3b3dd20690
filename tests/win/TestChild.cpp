// A tiny program for RunAndWait: quen_test_child <out file> <ms> <exit code> [args...]
// shows a window and answers its messages for <ms> (so it is idle for input at once), then
// writes its working folder and its remaining arguments, one a line, to <out file> and
// exits with <exit code>. Writing last tells whether the caller waited for the end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) return 100;
    HWND w = CreateWindowExA(0, "STATIC", "quen_test_child", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetTimer(w, 1, static_cast<UINT>(std::atoi(argv[2])), nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != WM_TIMER) DispatchMessageA(&msg);
    DestroyWindow(w);
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) return 101;
    std::fprintf(f, "%s\n", cwd);
    for (int i = 4; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
    std::fclose(f);
    return std::atoi(argv[3]);
}
