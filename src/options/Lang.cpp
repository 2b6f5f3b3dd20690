// The language table: built-in English texts and the key-by-key reading of a language file.
#include "options/Lang.h"

#include <utility>

#include "base/Text.h"

namespace quen {
namespace {

// Texts as held in memory: the file form with the two line-break keys decoded.
std::string InMemory(LangKey key, std::string fileText) {
    return HoldsLineBreaks(key) ? DecodeLineBreaks(fileText) : fileText;
}

}  // namespace

Lang::Lang() : language_("English") {
    for (const LangKeyInfo& info : AllLangKeys()) {
        texts_[static_cast<std::size_t>(info.id)] = InMemory(info.id, info.english);
    }
}

void Lang::ReadTexts(const LangKeyReader& read) {
    std::array<std::string, kLangKeyCount> texts;
    for (const LangKeyInfo& info : AllLangKeys()) {
        std::string value;
        if (!read(info.section, info.name, value)) value = info.english;
        texts[static_cast<std::size_t>(info.id)] = InMemory(info.id, std::move(value));
    }
    texts_ = std::move(texts);
}

std::string LangFilePath(const std::string& programFolder, const std::string& language) {
    return programFolder + "\\Language\\" + language + ".lng";
}

}  // namespace quen
