// Fuzzes reading a language file: any bytes as the file; every text must be the file's
// value of its key (the two line-break keys decoded) or, when the file lacks the key,
// the built-in English text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "base/Text.h"
#include "options/Lang.h"
#include "startup/AppINI.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// One program folder per fuzzing process, made on first use and removed at exit.
struct ProgramFolderHolder {
    std::string path;
    ProgramFolderHolder() {
        char name[] = "/tmp/lang_fuzz.XXXXXX";
        Check(mkdtemp(name) != nullptr);
        path = name;
        Check(mkdir((path + "/Language").c_str(), 0700) == 0);
    }
    ~ProgramFolderHolder() {
        unlink((path + "/Language/Fuzz.lng").c_str());
        rmdir((path + "/Language").c_str());
        rmdir(path.c_str());
    }
};

const std::string& ProgramFolder() {
    static const ProgramFolderHolder folder;
    return folder.path;
}

bool HoldsBackslashN(const std::string& s) { return s.find("\\n") != std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = ProgramFolder() + "/Language/Fuzz.lng";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    quen::Lang lang;
    lang.SetLanguage("Fuzz");
    lang.ReadLang(ProgramFolder());
    Check(lang.Language() == "Fuzz");

    quen::AppINI ini;
    ini.FileName = file;
    for (const auto& info : quen::AllLangKeys()) {
        ini.Section = info.section;
        std::string value;
        const std::string expected = ini.ReadKey(info.name, value) ? value : info.english;
        const std::string& text = lang.Text(info.id);
        if (quen::HoldsLineBreaks(info.id)) {
            Check(text == quen::DecodeLineBreaks(expected));
            Check(!HoldsBackslashN(text));
        } else {
            Check(text == expected);
        }
    }
    return 0;
}
