// Reading the language file of the current language into the table.
#include "options/Lang.h"
#include "startup/AppINI.h"
#include "base/Errors.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

void Lang::ReadLang(const std::string& programFolder) {
    const std::string file = LangFilePath(programFolder, language_);
    // A wildcard in the name would let the existence test match some other file.
    const bool plainName = language_.find_first_of("*?") == std::string::npos;
    if (!plainName || !FileExists(file, kFindNormal)) {
        language_ = "English";
        return;
    }
    AppINI ini;
    ini.FileName = file;
    try {
        ReadTexts([&ini](const std::string& section, const std::string& key, std::string& value) {
            ini.Section = section;
            return ini.ReadKey(key, value);
        });
    } catch (const Error&) {
        // A file that is there but cannot be read (locked, refused) is no language to
        // show: the same quiet fall-back as a missing file, the texts untouched.
        language_ = "English";
    }
}

}  // namespace quen
