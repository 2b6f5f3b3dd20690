// The text rules every layer shares.
#include "base/Text.h"

#include <algorithm>
#include <cctype>

namespace quen {

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::uint32_t> ReadHexDigits(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
    std::uint32_t v = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(d);
    }
    return v;
}

std::optional<std::int64_t> ReadDecimal(std::string_view text) {
    const std::string s = TrimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i == s.size()) return std::nullopt;
    std::int64_t v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > (std::int64_t{1} << 40)) return std::nullopt;
    }
    return negative ? -v : v;
}

std::optional<RoundedDecimal> ReadRoundedDecimal(std::string_view body) {
    std::size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) negative = body[i++] == '-';
    std::int64_t whole = 0;
    std::size_t digits = 0;
    for (; i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])); ++i, ++digits) {
        if (whole <= std::int64_t{1} << 40) whole = whole * 10 + (body[i] - '0');
    }
    // Only the rounding needs the fraction: below, exactly or above one half.
    int half = -1;
    bool fraction = false;
    if (i < body.size() && body[i] == '.') {
        fraction = true;
        for (bool first = (++i, true); i < body.size() && std::isdigit(static_cast<unsigned char>(body[i]));
             ++i, ++digits, first = false) {
            const int d = body[i] - '0';
            if (first) half = d > 5 ? 1 : d == 5 ? 0 : -1;
            else if (half == 0 && d != 0) half = 1;
        }
    }
    if (digits == 0 || i != body.size()) return std::nullopt;
    if (half > 0 || (half == 0 && whole % 2 == 1)) ++whole;
    return RoundedDecimal{negative ? -whole : whole, fraction};
}

bool HasHexPrefix(std::string_view text) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
}

std::optional<NumberText> ReadNumber(std::string_view text) {
    const std::string s = TrimBlanks(text);
    if (HasHexPrefix(s)) {
        const auto v = ReadHexDigits(std::string_view(s).substr(2));
        if (!v) return std::nullopt;
        return NumberText{*v, true};
    }
    const auto v = ReadDecimal(s);
    if (!v) return std::nullopt;
    return NumberText{*v, false};
}

std::optional<std::uint32_t> ReadNumber32(std::string_view text, std::int64_t decimalMax) {
    const auto n = ReadNumber(text);
    if (!n || (!n->hex && (n->value < INT32_MIN || n->value > decimalMax))) return std::nullopt;
    return static_cast<std::uint32_t>(n->value);
}

std::optional<std::vector<std::uint8_t>> ReadHexBytes(std::string_view text, std::string* badItem) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = text.find(',', start);
        std::string_view raw = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        const std::string item = TrimBlanks(raw.substr(0, raw.find('\0')));
        if (item.empty()) break;
        // Leading zeros are allowed: the item is the number it spells.
        const auto first = item.find_first_not_of('0');
        const auto v = first == std::string::npos ? std::optional<std::uint32_t>(0)
                                                  : ReadHexDigits(std::string_view(item).substr(first), 2);
        if (!v) {
            if (badItem) *badItem = item;
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(*v));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return bytes;
}

std::string EncodeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            out += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "\\n";
    }
    return out;
}

std::string DecodeLineBreaks(std::string_view text, LetterCase letterCase) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '\\' && (next == 'n' || (next == 'N' && letterCase == LetterCase::Any))) {
            out += "\r\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
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

std::string HexText(std::uint32_t value, int minDigits) {
    std::string out;
    for (int i = 0; value != 0 || i < minDigits; ++i, value >>= 4) out.insert(out.begin(), "0123456789ABCDEF"[value & 0xFu]);
    return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size())
        out.append(text.substr(pos, hit - pos)).append(to);
    return out.append(text.substr(pos));
}

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string PathKey(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return LowerCase(std::move(path));
}

}  // namespace quen
