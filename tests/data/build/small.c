/* A small program in two versions (V2 adds a function and changes a message), built
   by make-small-exes.sh into the real executables the encoder tests compare. */
#include <stdio.h>
#include <string.h>
#include <stdlib.h>

static char buffer[4096];
static int table[256] = {1, 2, 3};

static unsigned checksum(const char *s) {
    unsigned h = 2166136261u;
    while (*s) h = (h ^ (unsigned char)*s++) * 16777619u;
    return h;
}

#ifdef V2
static int count_words(const char *s) {
    int n = 0, in = 0;
    for (; *s; ++s) {
        if (*s == ' ') in = 0;
        else if (!in) { in = 1; ++n; }
    }
    return n;
}
#endif

int main(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        strncat(buffer, argv[i], sizeof buffer - strlen(buffer) - 2);
        strcat(buffer, " ");
    }
    table[argc & 255] += argc;
#ifdef V2
    printf("words: %d\n", count_words(buffer));
    printf("version 2 of the small program, checksum %08x\n", checksum(buffer));
#else
    printf("small program, checksum %08x\n", checksum(buffer));
#endif
    return table[0] == 1 ? 0 : (int)strtol("3", 0, 10);
}
