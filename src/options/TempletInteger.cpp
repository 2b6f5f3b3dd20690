// Whole numbers of templates, read the way the classic integer conversion reads them.
#include "options/TempletInteger.h"

#include "base/Errors.h"
#include "base/Text.h"

namespace quen {

namespace {

[[noreturn]] void NotANumber(const std::string& text) {
    throw Error(kErrTypeMismatch, "\"" + text + "\" is not a number.");
}

[[noreturn]] void OutOfRange(const std::string& text) {
    throw Error(kErrOverflow, "\"" + text + "\" is outside -32768 to 32767.");
}

int16_t Hexadecimal(const std::string& digits, const std::string& text) {
    const auto read = ReadHexDigits(digits);
    if (!read) NotANumber(text);
    const uint32_t v = *read;
    // The digits are a bit pattern of the smallest type that holds them.
    int32_t value = digits.size() <= 4 ? static_cast<int16_t>(v) : static_cast<int32_t>(v);
    if (value < INT16_MIN || value > INT16_MAX) OutOfRange(text);
    return static_cast<int16_t>(value);
}

int16_t Decimal(const std::string& body, const std::string& text) {
    const auto read = ReadRoundedDecimal(body);
    if (!read) NotANumber(text);
    const long long value = read->value;
    if (value < INT16_MIN || value > INT16_MAX) OutOfRange(text);
    return static_cast<int16_t>(value);
}

}  // namespace

int16_t TempletInteger(const std::string& text) {
    const std::string body = TrimBlanks(text);
    if (HasHexPrefix(body)) return Hexadecimal(body.substr(2), text);
    return Decimal(body, text);
}

}  // namespace quen
