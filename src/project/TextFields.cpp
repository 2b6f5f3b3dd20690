// Comma fields and text helpers shared by the project formats.
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

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    size_t pos = 0;
    while (true) {
        size_t hit = text.find(from, pos);
        if (hit == std::string::npos) break;
        out.append(text, pos, hit - pos).append(to);
        pos = hit + from.size();
    }
    return out.append(text, pos, std::string::npos);
}

}  // namespace quen
