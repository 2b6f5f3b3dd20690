// Conversions between registry value data and the text forms the registry accessor uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quen {

// A number as registry texts give it: blanks around it are ignored; decimal with an optional
// sign, or "&H" and 1 to 8 hexadecimal digits. The result is the 32-bit pattern, so both
// -1 and 4294967295 give FFFFFFFF. Anything else (empty, fractions, out of range) is nullopt.
std::optional<std::uint32_t> ParseRegNumber(std::string_view text);

// A binary value's set form: comma-separated numbers, each stored as its low byte
// ("77,90,144"; "&HFF" and "-1" both give FF). Blank text is zero bytes. nullopt when an
// item is not a number (an empty item included).
std::optional<std::vector<std::uint8_t>> ParseBinaryText(std::string_view text);

// A binary value's read form: upper-case hexadecimal bytes without leading zeros ("A,FF").
std::string FormatBinaryText(const std::vector<std::uint8_t>& bytes);

// The read form of a binary value turned into its set form ("A,FF" -> "&HA,&HFF"), for
// setting back a value that was read.
std::string BinaryReadTextToSetText(std::string_view hexList);

// Signed decimal text of a 32-bit number.
std::string FormatDwordText(std::uint32_t value);

// The bytes RegisterClass writes for a type and data text: type 3 the binary list, type 4
// four little-endian bytes, any other type the text with a terminating NUL. nullopt when
// the text does not convert (nothing is to be written then).
std::optional<std::string> EncodeValueData(int type, std::string_view text);

// The text of read value bytes for type 1 (up to the first NUL), 3 (hexadecimal list) and
// 4 (signed decimal of the first four bytes, missing bytes as zero).
std::string DecodeValueData(int type, std::string_view bytes);

}  // namespace quen
