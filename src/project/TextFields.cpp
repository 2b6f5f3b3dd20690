// Comma fields of the project formats.
#include "project/TextFields.h"

namespace quen {

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string field = text.substr(start, comma == std::string::npos ? std::string::npos
                                                                           : comma - start);
        size_t nul = field.find('\0');
        if (nul != std::string::npos) field.resize(nul);
        out.push_back(TrimBlanks(field));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return out;
}

}  // namespace quen
