// Tests of the template number reading: decimal, fractions, hexadecimal, limits.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "options/TempletInteger.h"

namespace quen {
namespace {

int ErrorOf(const std::string& text) {
    try {
        TempletInteger(text);
    } catch (const Error& e) {
        return e.number();
    }
    return 0;
}

TEST(TempletInteger, DecimalWithSignAndBlanks) {
    EXPECT_EQ(TempletInteger("0"), 0);
    EXPECT_EQ(TempletInteger("  12  "), 12);
    EXPECT_EQ(TempletInteger("+7"), 7);
    EXPECT_EQ(TempletInteger("-7"), -7);
    EXPECT_EQ(TempletInteger("007"), 7);
    EXPECT_EQ(TempletInteger("32767"), 32767);
    EXPECT_EQ(TempletInteger("-32768"), -32768);
}

TEST(TempletInteger, FractionsRoundHalfToEven) {
    EXPECT_EQ(TempletInteger("2.5"), 2);
    EXPECT_EQ(TempletInteger("3.5"), 4);
    EXPECT_EQ(TempletInteger("2.51"), 3);
    EXPECT_EQ(TempletInteger("2.500001"), 3);
    EXPECT_EQ(TempletInteger("2.49999"), 2);
    EXPECT_EQ(TempletInteger("-0.5"), 0);
    EXPECT_EQ(TempletInteger("-1.5"), -2);
    EXPECT_EQ(TempletInteger(".5"), 0);
    EXPECT_EQ(TempletInteger("1."), 1);
    EXPECT_EQ(TempletInteger("-32768.5"), -32768);
    EXPECT_EQ(TempletInteger("32766.5"), 32766);
}

TEST(TempletInteger, HexadecimalPatterns) {
    EXPECT_EQ(TempletInteger("&H10"), 16);
    EXPECT_EQ(TempletInteger("&h1f"), 31);
    EXPECT_EQ(TempletInteger(" &H7FFF "), 32767);
    EXPECT_EQ(TempletInteger("&H8000"), -32768);
    EXPECT_EQ(TempletInteger("&HFFFF"), -1);
    EXPECT_EQ(TempletInteger("&HFFFFFFFF"), -1);   // 32-bit pattern -1
    EXPECT_EQ(TempletInteger("&HFFFF8000"), -32768);
    EXPECT_EQ(TempletInteger("&H0FFF"), 4095);
}

TEST(TempletInteger, BoundariesAndBadText) {
    EXPECT_EQ(ErrorOf("32768"), kErrOverflow);
    EXPECT_EQ(ErrorOf("-32769"), kErrOverflow);
    EXPECT_EQ(ErrorOf("32767.5"), kErrOverflow);
    EXPECT_EQ(ErrorOf("40000"), kErrOverflow);
    EXPECT_EQ(ErrorOf("&H10000"), kErrOverflow);
    EXPECT_EQ(ErrorOf("&H0000FFFF"), kErrOverflow);  // eight digits: 65535, too big
    EXPECT_EQ(ErrorOf(""), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("   "), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("abc"), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("1 2"), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("- 1"), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("&H"), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("&H123456789"), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("-&H1"), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf("\t1"), kErrTypeMismatch);
}

}  // namespace
}  // namespace quen
