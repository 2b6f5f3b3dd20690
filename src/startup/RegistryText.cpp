// Conversions between registry value data and the text forms the registry accessor uses.
#include "startup/RegistryText.h"

#include <cstdio>

#include "platform/Registry.h"

namespace quen {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::uint32_t> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return v;
}

std::optional<std::uint32_t> ParseDecimal(std::string_view s) {
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    // Magnitudes up to 2^32 - 1 positive and 2^31 negative fit the 32-bit pattern.
    const std::uint64_t limit = negative ? 0x80000000ull : 0xFFFFFFFFull;
    std::uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
        if (v > limit) return std::nullopt;
    }
    if (negative) v = (~v + 1) & 0xFFFFFFFFull;
    return static_cast<std::uint32_t>(v);
}

}  // namespace

std::optional<std::uint32_t> ParseRegNumber(std::string_view text) {
    std::string_view s = Trim(text);
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) return ParseHex(s.substr(2));
    return ParseDecimal(s);
}

std::optional<std::vector<std::uint8_t>> ParseBinaryText(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    if (Trim(text).empty()) return bytes;
    for (;;) {
        std::size_t comma = text.find(',');
        auto n = ParseRegNumber(text.substr(0, comma));
        if (!n) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*n & 0xFFu));
        if (comma == std::string_view::npos) return bytes;
        text.remove_prefix(comma + 1);
    }
}

std::string FormatBinaryText(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char item[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) out += ',';
        std::snprintf(item, sizeof item, "%X", static_cast<unsigned>(bytes[i]));
        out += item;
    }
    return out;
}

std::string BinaryReadTextToSetText(std::string_view hexList) {
    std::string out;
    if (Trim(hexList).empty()) return out;
    for (;;) {
        std::size_t comma = hexList.find(',');
        out += "&H";
        out += Trim(hexList.substr(0, comma));
        if (comma == std::string_view::npos) return out;
        out += ',';
        hexList.remove_prefix(comma + 1);
    }
}

std::string FormatDwordText(std::uint32_t value) {
    return std::to_string(static_cast<std::int32_t>(value));
}

std::optional<std::string> EncodeValueData(int type, std::string_view text) {
    if (type == platform::kRegBinary) {
        auto bytes = ParseBinaryText(text);
        if (!bytes) return std::nullopt;
        return std::string(bytes->begin(), bytes->end());
    }
    if (type == platform::kRegDword) {
        auto n = ParseRegNumber(text);
        if (!n) return std::nullopt;
        std::string le(4, '\0');
        for (int i = 0; i < 4; ++i) le[i] = static_cast<char>((*n >> (8 * i)) & 0xFFu);
        return le;
    }
    std::string sz(text);
    sz += '\0';
    return sz;
}

std::string DecodeValueData(int type, std::string_view bytes) {
    if (type == platform::kRegBinary) return FormatBinaryText({bytes.begin(), bytes.end()});
    if (type == platform::kRegDword) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < 4 && i < bytes.size(); ++i)
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
        return FormatDwordText(v);
    }
    return std::string(bytes.substr(0, bytes.find('\0')));
}

}  // namespace quen
