// Fuzzes reading a language file: any bytes as the file; every text must be the file's
// value of its key (the two line-break keys decoded) or, when the file lacks the key,
// the built-in English text.
#include <string>

#include "base/Text.h"
#include "fuzz/FuzzInput.h"
#include "options/Lang.h"
#include "startup/AppINI.h"

using quen::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string file = quen::fuzz::ScratchFile("Language/Fuzz.lng", bytes);
    quen::Lang lang;
    lang.SetLanguage("Fuzz");
    lang.ReadLang(file.substr(0, file.size() - std::string("/Language/Fuzz.lng").size()));
    Require(lang.Language() == "Fuzz");

    quen::AppINI ini;
    ini.FileName = file;
    for (const auto& info : quen::AllLangKeys()) {
        ini.Section = info.section;
        std::string value;
        const std::string expected = ini.ReadKey(info.name, value) ? value : info.english;
        const std::string& text = lang.Text(info.id);
        if (quen::HoldsLineBreaks(info.id)) {
            Require(text == quen::DecodeLineBreaks(expected) && text.find("\\n") == std::string::npos);
        } else {
            Require(text == expected);
        }
    }
    return 0;
}
