// Conversions between registry value data and the text forms the registry accessor uses.
#include "startup/RegistryText.h"


#include "base/Text.h"
#include "platform/Registry.h"

namespace quen {

// Decimal magnitudes up to 2^32 - 1 positive and 2^31 negative fit the 32-bit pattern.
std::optional<std::uint32_t> ParseRegNumber(std::string_view text) { return ReadNumber32(text, UINT32_MAX); }

std::optional<std::vector<std::uint8_t>> ParseBinaryText(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    if (TrimBlanks(text).empty()) return bytes;
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
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) out += ',';
        out += HexText(bytes[i]);
    }
    return out;
}

std::string BinaryReadTextToSetText(std::string_view hexList) {
    std::string out;
    if (TrimBlanks(hexList).empty()) return out;
    for (;;) {
        std::size_t comma = hexList.find(',');
        out += "&H";
        out += TrimBlanks(hexList.substr(0, comma));
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
