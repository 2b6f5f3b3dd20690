// FSUPLIBmain text routines: comma fields, path parts, byte lists.
#include "startup/FSUPLIBmain.h"

#include "startup/Errors.h"
#include "startup/IniLines.h"

namespace quen {

namespace {

std::string CutBeforeNul(const std::string& text) { return text.substr(0, text.find('\0')); }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::uint8_t HexByte(const std::string& item) {
    unsigned value = 0;
    for (char c : item) {
        const int d = HexDigit(c);
        if (d < 0) throw Error(kErrTypeMismatch, "Type mismatch: \"" + item + "\" is not a hexadecimal number");
        value = value * 16 + static_cast<unsigned>(d);
        if (value > 0xFF) throw Error(kErrOverflow, "Overflow: \"" + item + "\" is more than one byte");
    }
    return static_cast<std::uint8_t>(value);
}

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
    return ini::TrimBlanks(CutBeforeNul(field));
}

std::string GetFileName(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsWindowsFullPath(const std::string& path) {
    const bool letter = !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (letter && path.compare(1, 2, ":\\") == 0) return true;
    if (path.compare(0, 2, "\\\\") != 0) return false;
    const size_t share = path.find('\\', 2);  // after the server name
    if (share == std::string::npos || share == 2) return false;
    const size_t end = path.find('\\', share + 1);
    return (end == std::string::npos ? path.size() : end) > share + 1;
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

std::string CutAtNul(const std::string& text) { return CutBeforeNul(ini::TrimBlanks(text)); }

std::string RemoveBlanks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

ByteList HexListToBytes(const std::string& text) {
    ByteList bytes;
    for (int i = 1;; ++i) {
        const std::string item = GetField(text, i);
        if (item.empty()) return bytes;
        bytes.push_back(HexByte(item));
    }
}

std::string BytesToText(const ByteList& bytes) { return std::string(bytes.begin(), bytes.end()); }

ByteList TextToBytes(const std::string& text) { return ByteList(text.begin(), text.end()); }

std::uint32_t SwapBytes32(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
}

}  // namespace quen
