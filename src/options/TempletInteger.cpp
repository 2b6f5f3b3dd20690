// Whole numbers of templates, read the way the classic integer conversion reads them.
#include "options/TempletInteger.h"

#include <cctype>

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
    size_t i = 0;
    bool negative = false;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) negative = body[i++] == '-';
    long long whole = 0;
    size_t digits = 0;
    for (; i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])); ++i, ++digits) {
        if (whole < 1000000) whole = whole * 10 + (body[i] - '0');
    }
    // The fraction only decides the rounding: above, below or exactly one half.
    int half = -1;  // -1 below one half, 0 exactly, 1 above
    if (i < body.size() && body[i] == '.') {
        ++i;
        bool first = true;
        for (; i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])); ++i, ++digits) {
            int d = body[i] - '0';
            if (first) half = d > 5 ? 1 : d == 5 ? 0 : -1;
            else if (half == 0 && d != 0) half = 1;
            first = false;
        }
    }
    if (digits == 0 || i != body.size()) NotANumber(text);
    if (half > 0 || (half == 0 && whole % 2 == 1)) ++whole;
    long long value = negative ? -whole : whole;
    if (value < INT16_MIN || value > INT16_MAX) OutOfRange(text);
    return static_cast<int16_t>(value);
}

}  // namespace

int16_t TempletInteger(const std::string& text) {
    const std::string body = TrimBlanks(text);
    if (body.size() >= 2 && body[0] == '&' && (body[1] == 'H' || body[1] == 'h')) {
        return Hexadecimal(body.substr(2), text);
    }
    return Decimal(body, text);
}

}  // namespace quen
