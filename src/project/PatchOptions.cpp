// Registry entry fields and the line-break encoding of the patch options.
#include "project/PatchOptions.h"

#include <algorithm>

#include "project/TextFields.h"

namespace quen {

RegistryEntry ParseRegistryEntry(const std::string& stored) {
    std::vector<std::string> fields = SplitFields(stored);
    fields.resize(std::max<size_t>(fields.size(), 5));
    RegistryEntry e{fields[0], fields[1], fields[2], fields[3], fields[4]};
    if (e.type == "BIN") {
        // A binary value is a comma list of bytes: all of them are its data.
        for (size_t i = 5; i < fields.size(); ++i) e.data += "," + fields[i];
    }
    return e;
}

std::string LineBreaksToStored(const std::string& text) { return ReplaceAll(text, "\r\n", "\\n"); }

std::string StoredToLineBreaks(const std::string& text) { return ReplaceAll(text, "\\n", "\r\n"); }

}  // namespace quen
