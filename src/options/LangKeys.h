// The language keys as an enum, with each key's section, name and built-in English text.
#pragma once

#include <cstddef>
#include <span>

#include "options/LangKeyList.h"

namespace quen {

enum class LangKey : int {
#define QUEN_LANG_ENUM(section, key, english) key,
    QUEN_LANG_KEYS(QUEN_LANG_ENUM)
#undef QUEN_LANG_ENUM
};

struct LangKeyInfo {
    LangKey id;
    const char* section;
    const char* name;
    // As stored in English.lng: line breaks are still backslash and n.
    const char* english;
};

// Every key, section by section, in the order the language table reads them.
std::span<const LangKeyInfo> AllLangKeys();
inline constexpr std::size_t kLangKeyCount = 286;

const LangKeyInfo& KeyInfo(LangKey key);

// The two keys whose values hold line breaks written as backslash and n.
bool HoldsLineBreaks(LangKey key);

}  // namespace quen
