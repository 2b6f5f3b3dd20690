// The editor's language table: every caption and message text, read from a language file.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "options/LangKeys.h"

namespace quen {

// Reads one key of one section of a language file; true when the key is present (its
// value may still be empty), false when the file lacks it.
using LangKeyReader = std::function<bool(const std::string& section, const std::string& key, std::string& value)>;

class Lang {
public:
    // Starts with the built-in English texts and the language "English".
    Lang();

    // The current language; also the base name of its file in the "Language" folder.
    const std::string& Language() const { return language_; }
    void SetLanguage(const std::string& language) { language_ = language; }

    // Reads programFolder\Language\<Language>.lng. A missing file, or one that exists
    // but cannot be read, sets the language to "English" and keeps every text (at start
    // the built-in English ones); nothing is shown. Keys the file lacks get the built-in
    // English text; a key present with an empty value stays empty.
    void ReadLang(const std::string& programFolder);

    // The file step of ReadLang: every key, section by section, through `read`; then the
    // two line-break keys are decoded. All or nothing: a throwing reader changes nothing.
    void ReadTexts(const LangKeyReader& read);

    const std::string& Text(LangKey key) const { return texts_[static_cast<std::size_t>(key)]; }

    // One accessor per key, named after it: lang.msg_Error(), lang.Button_OK() ...
#define QUEN_LANG_ACCESSOR(section, key, english) \
    const std::string& key() const { return Text(LangKey::key); }
    QUEN_LANG_KEYS(QUEN_LANG_ACCESSOR)
#undef QUEN_LANG_ACCESSOR

private:
    std::string language_;
    std::array<std::string, kLangKeyCount> texts_;
};

// programFolder & "\Language\" & language & ".lng"
std::string LangFilePath(const std::string& programFolder, const std::string& language);

}  // namespace quen
