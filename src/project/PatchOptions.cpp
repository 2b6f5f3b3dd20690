// Registry entry fields of the patch options.
#include "project/PatchOptions.h"

#include <algorithm>

#include "project/TextFields.h"
#include "base/Errors.h"

namespace quen {

RegistryEntry ParseRegistryEntry(const std::string& stored) {
    std::vector<std::string> fields = SplitFields(stored);
    fields.resize(std::max<size_t>(fields.size(), 5));
    RegistryEntry e{fields[0], fields[1], fields[2], fields[3], fields[4]};
    if (e.type == "BIN") {
        // A binary value is a comma list of bytes: all of them are its data.
        for (size_t i = 5; i < fields.size(); ++i) e.data += "," + fields[i];
    } else if (e.type == "STR") {
        // A text may hold commas ("C:\Apps, Inc"): all of it is the data.
        size_t pos = 0;
        for (int commas = 0; commas < 4 && pos != std::string::npos; ++commas) {
            pos = stored.find(',', pos);
            if (pos != std::string::npos) ++pos;
        }
        if (pos != std::string::npos) {
            const std::string rest = stored.substr(pos);
            e.data = TrimBlanks(rest.substr(0, rest.find('\0')));
        }
    }
    return e;
}

void RequireOneLine(const std::string& text, const std::string& what) {
    const size_t cut = text.find_first_of("\r\n");
    if (cut == std::string::npos) return;
    throw Error(kErrTypeMismatch, what + " holds a line break after \"" + text.substr(0, std::min<size_t>(cut, 60)) +
                                      "\"; only the welcome, information and end texts can have more than one line.");
}

}  // namespace quen
