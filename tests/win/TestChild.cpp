// A tiny program for process tests: quen_test_child <out file> <sleep ms> <exit code> [args...]
// sleeps, then writes its working folder and its arguments (one a line) to <out file>, and
// exits with <exit code>. Writing last lets a caller tell whether it waited for the end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 4) return 100;
    Sleep(static_cast<DWORD>(std::atoi(argv[2])));
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) return 101;
    std::fprintf(f, "%s\n", cwd);
    for (int i = 4; i < argc; ++i) std::fprintf(f, "%s\n", argv[i]);
    std::fclose(f);
    return std::atoi(argv[3]);
}
