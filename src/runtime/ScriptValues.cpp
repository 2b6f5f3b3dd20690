// Reading the value encodings of a patch script.
#include "runtime/ScriptValues.h"

#include <charconv>
#include <limits>

#include "startup/FSUPLIBmain.h"

namespace quen::runtime {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<uint32_t> ParseHex(std::string_view digits, size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
    uint32_t v = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    return v;
}

}  // namespace

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

std::string Field(std::string_view text, int n) { return GetField(std::string(text), n); }

std::optional<int32_t> ParseScriptNumber(std::string_view text) {
    std::string t = Trim(text);
    if (t.size() >= 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        auto v = ParseHex(std::string_view(t).substr(2), 8);
        if (!v) return std::nullopt;
        return static_cast<int32_t>(*v);
    }
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (first != last && *first == '+') ++first;
    if (first == last) return std::nullopt;
    int64_t v = 0;
    auto r = std::from_chars(first, last, v);
    if (r.ec != std::errc() || r.ptr != last) return std::nullopt;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(v);
}

int ParseCount(std::string_view text) {
    auto v = ParseScriptNumber(text);
    if (!v || *v < 0) return 0;
    return *v > 32767 ? 32767 : *v;
}

bool ParseTruth(std::string_view text, bool defaultValue) {
    if (text == "True") return true;
    if (text == "False") return false;
    return defaultValue;
}

std::optional<std::vector<unsigned char>> ParseByteList(std::string_view text) {
    std::vector<unsigned char> out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string_view raw = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        std::string item = Trim(raw.substr(0, raw.find('\0')));
        if (item.empty()) break;
        auto v = ParseHex(item, 2);
        if (!v) return std::nullopt;
        out.push_back(static_cast<unsigned char>(*v));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return out;
}

std::string ExpandLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 'N')) {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace quen::runtime
