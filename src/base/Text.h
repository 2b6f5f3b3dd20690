// The text rules every layer shares: blank trimming, number and hex byte-list reading,
// the stored form of line breaks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quen {

// Removes leading and trailing blanks. A blank is the space only; tabs are text.
std::string TrimBlanks(std::string_view text);

// The value of one hexadecimal digit (either letter case), -1 for any other character.
int HexDigit(char c);

// One to `maxDigits` hexadecimal digits, nothing else; their value as an unsigned pattern.
std::optional<std::uint32_t> ReadHexDigits(std::string_view digits, std::size_t maxDigits = 8);

// Decimal text with blanks around it and an optional sign: its value. nullopt for anything
// else, and for magnitudes beyond 2^40 (far outside every range the formats use).
std::optional<std::int64_t> ReadDecimal(std::string_view text);

// A decimal with an optional sign and fraction, rounded half to even to a whole number, as
// the classic conversion rounds. nullopt for anything else; the magnitude is capped just
// above 2^40, beyond every range a caller accepts.
struct RoundedDecimal {
    std::int64_t value = 0;
    bool hadFraction = false;
};
std::optional<RoundedDecimal> ReadRoundedDecimal(std::string_view body);

// "&H" or "&h" leads the text: the hexadecimal form of the formats' numbers.
bool HasHexPrefix(std::string_view text);

// A number of the formats: decimal as ReadDecimal reads it, or "&H" (either case) and one
// to eight hexadecimal digits, blanks around allowed. `hex` says which form was read; a
// hex value is the unsigned 32-bit pattern, each caller decides how to read it.
struct NumberText {
    std::int64_t value = 0;
    bool hex = false;
};
std::optional<NumberText> ReadNumber(std::string_view text);

// A number of the formats as a 32-bit pattern: "&H" gives its digits, a decimal must lie
// from INT32_MIN to `decimalMax` (INT32_MAX for signed fields, UINT32_MAX where the
// unsigned reading is allowed too).
std::optional<std::uint32_t> ReadNumber32(std::string_view text, std::int64_t decimalMax);

// Comma-separated hexadecimal items ("0A, ff,1"), each cut at a NUL and trimmed, one byte
// each; the first empty item ends the list. nullopt when an item is not hexadecimal or
// above FF; `badItem` then receives it.
std::optional<std::vector<std::uint8_t>> ReadHexBytes(std::string_view text, std::string* badItem = nullptr);

// Line breaks in texts stored on one line: every line break (CR LF, a lone CR, a lone LF)
// becomes backslash and "n"; reading
// turns backslash "n" back into CR LF, and with `anyCase` also backslash "N".
std::string EncodeLineBreaks(std::string_view text);
enum class LetterCase { Exact, Any };
std::string DecodeLineBreaks(std::string_view text, LetterCase letterCase = LetterCase::Exact);

// A drive letter and ":\", or "\\server\share": a path that means the same whatever the
// current folder is.
bool IsWindowsFullPath(const std::string& path);

// Upper-case hexadecimal digits of `value`, at least `minDigits` of them (leading zeros).
std::string HexText(std::uint32_t value, int minDigits = 1);

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// The text with its ASCII letters in one case (names, switches and keys compared as
// Windows compares them; other bytes unchanged).
std::string UpperCase(std::string text);
std::string LowerCase(std::string text);
// A path as Windows compares paths: "/" and "\" alike, letters in any case.
std::string PathKey(std::string path);

}  // namespace quen
