// The language key table, built from the one key list.
#include "options/LangKeys.h"

#include <iterator>

namespace quen {
namespace {

constexpr LangKeyInfo kKeys[] = {
#define QUEN_LANG_INFO(section, key, english) {LangKey::key, #section, #key, english},
    QUEN_LANG_KEYS(QUEN_LANG_INFO)
#undef QUEN_LANG_INFO
};

static_assert(std::size(kKeys) == kLangKeyCount, "the language table holds 286 keys");

}  // namespace

std::span<const LangKeyInfo> AllLangKeys() { return kKeys; }

const LangKeyInfo& KeyInfo(LangKey key) { return kKeys[static_cast<std::size_t>(key)]; }

bool HoldsLineBreaks(LangKey key) {
    return key == LangKey::msg_Warning_UnSupportScriptType || key == LangKey::msg_Error_No_SupportScriptType;
}

}  // namespace quen
