// The whole-number reading of template values.
#pragma once

#include <cstdint>
#include <string>

namespace quen {

// A 16-bit number from template text: decimal with optional sign and blanks around it,
// a fraction rounded to the nearest whole number (a tie to the even one), or "&H" and one
// to eight hexadecimal digits (up to four digits are a 16-bit pattern, "&HFFFF" is -1;
// five to eight a 32-bit pattern). Throws quen::Error 13 for text that is not a number
// (the empty text included) and 6 for a value outside -32768..32767.
int16_t TempletInteger(const std::string& text);

}  // namespace quen
