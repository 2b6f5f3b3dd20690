// FSUPLIBmain text routines: comma fields, path parts, byte lists.
#include "startup/FSUPLIBmain.h"

#include "base/Errors.h"
#include "base/Text.h"

namespace quen {

namespace {

std::string CutBeforeNul(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string GetField(const std::string& text, int n) {
    if (n < 1) return {};
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        const auto comma = text.find(',', start);
        if (comma == std::string::npos) return {};
        start = comma + 1;
    }
    const auto end = text.find(',', start);
    const std::string field = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return TrimBlanks(CutBeforeNul(field));
}

std::string GetFileName(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Only the name is searched for the dot: "C:\a.b\readme" has no extension.
std::string GetExtension(const std::string& path) {
    const std::string name = GetFileName(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    std::string ext = name.substr(dot + 1);
    for (char& c : ext) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return ext;
}

std::string StripTrailingBackslash(const std::string& text) {
    if (!text.empty() && text.back() == '\\') return text.substr(0, text.size() - 1);
    return text;
}

std::string StripNuls(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\0') out += c;
    }
    return out;
}

std::string CutAtNul(const std::string& text) { return CutBeforeNul(TrimBlanks(text)); }

std::string RemoveBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

ByteList HexListToBytes(const std::string& text) {
    std::string item;
    auto bytes = ReadHexBytes(text, &item);
    if (bytes) return *bytes;
    if (item.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
        throw Error(kErrTypeMismatch, "Type mismatch: \"" + item + "\" is not a hexadecimal number");
    throw Error(kErrOverflow, "Overflow: \"" + item + "\" is more than one byte");
}

std::string BytesToText(const ByteList& bytes) { return std::string(bytes.begin(), bytes.end()); }

ByteList TextToBytes(const std::string& text) { return ByteList(text.begin(), text.end()); }

std::uint32_t SwapBytes32(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
}

}  // namespace quen
