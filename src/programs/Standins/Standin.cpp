// Stand-in for a supplied program of the program folder that is not built yet: it only
// says what it is, so that nobody mistakes it for the real tool.
#include <cstdio>

int main() {
    std::printf("%s\n", QUEN_STANDIN_TEXT);
    return 1;
}
