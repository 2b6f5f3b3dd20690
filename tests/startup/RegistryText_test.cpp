// Registry value text forms: numbers, binary lists, and the bytes written for each type.
#include "startup/RegistryText.h"

#include <gtest/gtest.h>

#include "platform/Registry.h"

namespace quen {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegString;

TEST(RegNumber, DecimalAndHexAndBlanks) {
    EXPECT_EQ(ParseRegNumber("123"), 123u);
    EXPECT_EQ(ParseRegNumber("  42 "), 42u);
    EXPECT_EQ(ParseRegNumber("+7"), 7u);
    EXPECT_EQ(ParseRegNumber("&HFF"), 0xFFu);
    EXPECT_EQ(ParseRegNumber("&h1a"), 0x1Au);
    EXPECT_EQ(ParseRegNumber("&HFFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseRegNumber("0"), 0u);
}

TEST(RegNumber, ThirtyTwoBitBoundaries) {
    EXPECT_EQ(ParseRegNumber("2147483647"), 0x7FFFFFFFu);
    EXPECT_EQ(ParseRegNumber("-2147483648"), 0x80000000u);
    EXPECT_EQ(ParseRegNumber("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseRegNumber("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseRegNumber("4294967296"), std::nullopt);
    EXPECT_EQ(ParseRegNumber("-2147483649"), std::nullopt);
    EXPECT_EQ(ParseRegNumber("99999999999999999999999"), std::nullopt);
    EXPECT_EQ(ParseRegNumber("&H100000000"), std::nullopt);
}

TEST(RegNumber, TextThatIsNoNumber) {
    for (const char* bad : {"", "  ", "abc", "12a", "1.5", "1 2", "-", "+", "&H", "&HG1", "--1", "&H-1", "0x10"})
        EXPECT_EQ(ParseRegNumber(bad), std::nullopt) << '"' << bad << '"';
}

TEST(BinaryText, DecimalListToBytes) {
    EXPECT_EQ(ParseBinaryText("77,90,144"), (Bytes{77, 90, 144}));
    EXPECT_EQ(ParseBinaryText(" 10 , 255 "), (Bytes{10, 255}));
    EXPECT_EQ(ParseBinaryText("0"), (Bytes{0}));
    EXPECT_EQ(ParseBinaryText("&HA,&HFF"), (Bytes{0x0A, 0xFF}));
}

TEST(BinaryText, EachItemKeepsItsLowByte) {
    EXPECT_EQ(ParseBinaryText("256,300,-1"), (Bytes{0x00, 0x2C, 0xFF}));
}

TEST(BinaryText, BlankIsNoBytesButEmptyItemsFail) {
    EXPECT_EQ(ParseBinaryText(""), Bytes{});
    EXPECT_EQ(ParseBinaryText("   "), Bytes{});
    EXPECT_EQ(ParseBinaryText("1,,2"), std::nullopt);
    EXPECT_EQ(ParseBinaryText("1,2,"), std::nullopt);
    EXPECT_EQ(ParseBinaryText(",1"), std::nullopt);
    EXPECT_EQ(ParseBinaryText("1,x"), std::nullopt);
}

TEST(BinaryText, ReadFormIsUpperHexWithoutLeadingZeros) {
    EXPECT_EQ(FormatBinaryText({0x0A, 0xFF}), "A,FF");
    EXPECT_EQ(FormatBinaryText({0x4D, 0x5A, 0x90}), "4D,5A,90");
    EXPECT_EQ(FormatBinaryText({0x00}), "0");
    EXPECT_EQ(FormatBinaryText({}), "");
}

TEST(BinaryText, ReadFormSetsBackTheSameBytes) {
    EXPECT_EQ(BinaryReadTextToSetText("A,FF"), "&HA,&HFF");
    EXPECT_EQ(BinaryReadTextToSetText(""), "");
    Bytes all;
    for (int i = 0; i < 256; ++i) all.push_back(static_cast<std::uint8_t>(i));
    EXPECT_EQ(ParseBinaryText(BinaryReadTextToSetText(FormatBinaryText(all))), all);
}

TEST(DwordText, SignedDecimal) {
    EXPECT_EQ(FormatDwordText(123), "123");
    EXPECT_EQ(FormatDwordText(0xFFFFFFFFu), "-1");
    EXPECT_EQ(FormatDwordText(0x80000000u), "-2147483648");
    EXPECT_EQ(FormatDwordText(0x7FFFFFFFu), "2147483647");
}

TEST(ValueData, EncodeByType) {
    EXPECT_EQ(EncodeValueData(kRegString, "abc"), std::string("abc\0", 4));
    EXPECT_EQ(EncodeValueData(kRegString, ""), std::string("\0", 1));
    EXPECT_EQ(EncodeValueData(2, "%TEMP%"), std::string("%TEMP%\0", 7));
    EXPECT_EQ(EncodeValueData(kRegBinary, "10,255"), std::string("\x0A\xFF", 2));
    EXPECT_EQ(EncodeValueData(kRegDword, "123"), std::string("\x7B\0\0\0", 4));
    EXPECT_EQ(EncodeValueData(kRegDword, "-2"), std::string("\xFE\xFF\xFF\xFF", 4));
}

TEST(ValueData, TextThatDoesNotConvertWritesNothing) {
    EXPECT_EQ(EncodeValueData(kRegDword, "twelve"), std::nullopt);
    EXPECT_EQ(EncodeValueData(kRegDword, ""), std::nullopt);
    EXPECT_EQ(EncodeValueData(kRegBinary, "1,2,three"), std::nullopt);
}

TEST(ValueData, DecodeByType) {
    EXPECT_EQ(DecodeValueData(kRegString, std::string("abc\0junk", 8)), "abc");
    EXPECT_EQ(DecodeValueData(kRegString, "no terminator"), "no terminator");
    EXPECT_EQ(DecodeValueData(kRegBinary, std::string("\x0A\xFF", 2)), "A,FF");
    EXPECT_EQ(DecodeValueData(kRegDword, std::string("\x7B\0\0\0", 4)), "123");
    EXPECT_EQ(DecodeValueData(kRegDword, std::string("\xFF\xFF\xFF\xFF", 4)), "-1");
    EXPECT_EQ(DecodeValueData(kRegDword, std::string("\x01", 1)), "1");
}

}  // namespace
}  // namespace quen
