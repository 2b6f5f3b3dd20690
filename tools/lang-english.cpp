// Writes Language\English.lng from the program's built-in English table, so the shipped
// file and the texts the program shows cannot drift apart.
// Usage: lang-english OUTPUT
#include <cstdio>
#include <fstream>
#include <string>

#include "options/LangKeyList.h"

namespace {

// What the file says of itself beyond the texts: the marker the language list looks for
// and this language's name in every language the program ships.
constexpr const char* kFileId = "ID=LanguageFile";
constexpr const char* kNames[] = {"EnglishName=English", "GermanName=Englisch"};

std::string Content() {
    std::string out, section;
    auto add = [&](const char* sec, const char* key, const char* text) {
        if (section != sec) {
            if (!section.empty()) out += "\r\n";
            out += std::string("[") + sec + "]\r\n";
            if (section.empty()) out += std::string(kFileId) + "\r\n";
            section = sec;
        }
        out += std::string(key) + "=" + text + "\r\n";
        if (std::string(key) == "MakeDate")
            for (const char* name : kNames) out += std::string(name) + "\r\n";
    };
#define QUEN_LANG_LINE(sec, key, text) add(#sec, #key, text);
    QUEN_LANG_KEYS(QUEN_LANG_LINE)
#undef QUEN_LANG_LINE
    out.resize(out.size() - 2);  // the file ends without a line end
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lang-english OUTPUT\n");
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << Content();
    return file.good() ? 0 : 1;
}
