// Tests of the template number reading: decimal, fractions, hexadecimal, limits.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "options/TempletInteger.h"
#include "support/Raised.h"

namespace quen {
namespace {

// Decimal with sign and blanks, fractions rounding half to even, hexadecimal 16- and
// 32-bit patterns, and the limits.
TEST(TempletInteger, Table) {
    const std::pair<const char*, int> values[] = {
        {"0", 0}, {"  12  ", 12}, {"+7", 7}, {"-7", -7}, {"007", 7}, {"32767", 32767}, {"-32768", -32768},
        {"2.5", 2}, {"3.5", 4}, {"2.51", 3}, {"2.500001", 3}, {"2.49999", 2}, {"-0.5", 0}, {"-1.5", -2},
        {".5", 0}, {"1.", 1}, {"-32768.5", -32768}, {"32766.5", 32766},
        {"&H10", 16}, {"&h1f", 31}, {" &H7FFF ", 32767}, {"&H8000", -32768}, {"&HFFFF", -1},
        {"&HFFFFFFFF", -1}, {"&HFFFF8000", -32768}, {"&H0FFF", 4095}};
    for (const auto& [text, value] : values) EXPECT_EQ(TempletInteger(text), value) << text;
    const std::pair<const char*, int> errors[] = {
        {"32768", kErrOverflow}, {"-32769", kErrOverflow}, {"32767.5", kErrOverflow}, {"40000", kErrOverflow},
        {"&H10000", kErrOverflow}, {"&H0000FFFF", kErrOverflow},  // eight digits: 65535, too big
        {"", kErrTypeMismatch}, {"   ", kErrTypeMismatch}, {"abc", kErrTypeMismatch}, {"1 2", kErrTypeMismatch},
        {"- 1", kErrTypeMismatch}, {"&H", kErrTypeMismatch}, {"&H123456789", kErrTypeMismatch},
        {"-&H1", kErrTypeMismatch}, {"\t1", kErrTypeMismatch}, {"1e2", kErrTypeMismatch}, {"--1", kErrTypeMismatch},
        {"1.2.3", kErrTypeMismatch}, {".", kErrTypeMismatch}};
    for (const auto& [text, error] : errors) EXPECT_EQ(test::RaisedBy([&] { TempletInteger(text); }).number, error) << text;
}

}  // namespace
}  // namespace quen
