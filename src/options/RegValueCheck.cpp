// What may enter the patch options' registry lists.
#include "options/RegValueCheck.h"

#include "base/Text.h"
#include "project/PatchOptions.h"

namespace quen {

namespace {

struct Rounded {
    int32_t value = 0;
    bool hadFraction = false;
};

std::optional<Rounded> ReadRounded(const std::string& text) {
    const std::string body = TrimBlanks(text);
    if (HasHexPrefix(body)) {
        const auto bits = ReadHexDigits(std::string_view(body).substr(2));
        if (!bits) return std::nullopt;
        return Rounded{static_cast<int32_t>(*bits), false};
    }
    const auto read = ReadRoundedDecimal(body);
    if (!read) return std::nullopt;
    const int64_t value = read->value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return Rounded{static_cast<int32_t>(value), read->hadFraction};
}

std::optional<std::string> CheckBin(const std::string& value) {
    std::string stored;
    size_t start = 0;
    for (;;) {
        const size_t comma = value.find(',', start);
        const std::string part = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto n = ReadRounded(part);
        if (!n || n->value < -255 || n->value > 256) return std::nullopt;
        stored += n->hadFraction ? std::to_string(n->value) : part;
        if (comma == std::string::npos) return stored;
        stored += ',';
        start = comma + 1;
    }
}

std::optional<std::string> CheckDword(const std::string& value) {
    const std::string body = TrimBlanks(value);
    if (HasHexPrefix(body) && body.size() > 10) return std::nullopt;
    const auto n = ReadRounded(value);
    if (!n) return std::nullopt;
    return n->hadFraction ? std::to_string(n->value) : value;
}

}  // namespace

const char* RegValueTypeName(RegValueType type) {
    switch (type) {
        case RegValueType::Bin: return "BIN";
        case RegValueType::Dword: return "DWORD";
        case RegValueType::Str: break;
    }
    return "STR";
}

std::optional<int32_t> ClassicLong(const std::string& text) {
    const auto n = ReadRounded(text);
    if (!n) return std::nullopt;
    return n->value;
}

std::optional<std::string> CheckRegValue(RegValueType type, const std::string& value) {
    switch (type) {
        case RegValueType::Bin: return CheckBin(value);
        case RegValueType::Dword: return CheckDword(value);
        case RegValueType::Str: break;
    }
    return value;
}

std::string ComposeRegEntry(RegValueType type, const std::string& root, const std::string& subKey,
                            const std::string& valueName, const std::string& value) {
    return std::string(RegValueTypeName(type)) + "," + root + "," + subKey + "," + valueName + "," + value;
}

std::string StoredRegEntry(const std::string& entry, bool pauseList, const std::string& retainText) {
    if (!pauseList) return entry;
    const RegistryEntry e = ParseRegistryEntry(entry);
    if (e.data != TrimBlanks(retainText)) return entry;
    return e.type + "," + e.root + "," + e.subKey + "," + e.valueName + "," + kRetainValueToken;
}

}  // namespace quen
