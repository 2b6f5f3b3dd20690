/* The demo program of the sample patch, in two versions (V2 changes its message and adds
   a word count); make-sample.sh builds both. */
#include <stdio.h>
#include <string.h>

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
    const char *text = argc > 1 ? argv[1] : "hello demo";
#ifdef V2
    printf("Demo 2.0: \"%s\" has %d words\n", text, count_words(text));
#else
    printf("Demo 1.0: \"%s\" has %u letters\n", text, (unsigned)strlen(text));
#endif
    return 0;
}
