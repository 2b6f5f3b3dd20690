// The shared text rules at their edges: blanks, numbers, hex byte lists, line breaks.
#include <gtest/gtest.h>

#include <tuple>

#include "base/Text.h"

namespace quen {
namespace {

TEST(Text, NumbersInBothForms) {
    struct Case { const char* text; bool ok; std::int64_t value; bool hex; };
    const Case cases[] = {
        {"123", true, 123, false},          {" -5 ", true, -5, false},
        {"+7", true, 7, false},             {"&H10", true, 16, true},
        {"&hff", true, 255, true},          {"&HFFFFFFFF", true, 0xFFFFFFFF, true},
        {"1099511627776", true, 1099511627776, false},  // 2^40, the largest magnitude read
        {"1099511627777", false, 0, false}, {"", false, 0, false},
        {"abc", false, 0, false},           {"1.5", false, 0, false},
        {"&H", false, 0, false},            {"&H123456789", false, 0, false},
        {"&HG1", false, 0, false},          {"--1", false, 0, false},
        {"+-1", false, 0, false},           {"+", false, 0, false},
        {"0x10", false, 0, false},          {"1 2", false, 0, false},
        {"\t1", false, 0, false},          {"1\t", false, 0, false},  // blanks are spaces only
    };
    for (const Case& c : cases) {
        const auto n = ReadNumber(c.text);
        ASSERT_EQ(n.has_value(), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(n->value, c.value) << c.text;
        EXPECT_EQ(n->hex, c.hex) << c.text;
    }
}

// As 32-bit patterns: "&H" as its digits, decimals from INT32_MIN to the signed or the
// unsigned maximum (script fields and registry data).
TEST(Text, NumbersAs32BitPatterns) {
    using N = std::optional<std::uint32_t>;
    const std::tuple<const char*, N, N> cases[] = {
        {"  42 ", 42u, 42u}, {"&HFFFFFFFF", 0xFFFFFFFFu, 0xFFFFFFFFu}, {"2147483647", 0x7FFFFFFFu, 0x7FFFFFFFu},
        {"-2147483648", 0x80000000u, 0x80000000u}, {"-1", 0xFFFFFFFFu, 0xFFFFFFFFu}, {"2147483648", {}, 0x80000000u},
        {"4294967295", {}, 0xFFFFFFFFu}, {"4294967296", {}, {}}, {"-2147483649", {}, {}}, {"&H100000000", {}, {}},
        {"12x", {}, {}}};
    for (const auto& [text, signedMax, unsignedMax] : cases) {
        EXPECT_EQ(ReadNumber32(text, INT32_MAX), signedMax) << text;
        EXPECT_EQ(ReadNumber32(text, UINT32_MAX), unsignedMax) << text;
    }
}

TEST(Text, HexByteListsEndAtTheFirstEmptyItem) {
    using V = std::vector<std::uint8_t>;
    EXPECT_EQ(ReadHexBytes("4D,5A,90"), V({0x4D, 0x5A, 0x90}));
    EXPECT_EQ(ReadHexBytes(" a , 0 ,FF,00FF"), V({0x0A, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(ReadHexBytes("01,,02"), V({0x01}));
    EXPECT_EQ(ReadHexBytes(std::string("01,2\0x,03", 9)), V({0x01, 0x02, 0x03}));
    EXPECT_EQ(ReadHexBytes(""), V());
    for (const char* bad : {"100", "G", "4D,ZZ", "&H10", "-1", "1 2"}) {
        std::string item;
        EXPECT_FALSE(ReadHexBytes(bad, &item)) << bad;
        EXPECT_FALSE(item.empty()) << bad;
    }
}

TEST(Text, LineBreaksStoredAsBackslashN) {
    EXPECT_EQ(EncodeLineBreaks("one\r\ntwo\r\n"), "one\\ntwo\\n");
    EXPECT_EQ(EncodeLineBreaks("lone\nLF\rCR\n\rtwo"), "lone\\nLF\\nCR\\n\\ntwo");
    EXPECT_EQ(DecodeLineBreaks("a\\n\\nb\\"), "a\r\n\r\nb\\");
    EXPECT_EQ(DecodeLineBreaks("C:\\new\\N"), "C:\r\new\\N");
    EXPECT_EQ(DecodeLineBreaks("C:\\new\\N", LetterCase::Any), "C:\r\new\r\n");
}

TEST(Text, FullWindowsPaths) {
    const struct {
        const char* path;
        bool full;
    } cases[] = {
        {"C:\\", true},          {"z:\\a b\\fix.qnl", true}, {"\\\\srv\\share", true},
        {"\\\\srv\\share\\a.qnl", true}, {"C:", false},   {"C:a.qnl", false},
        {"1:\\a", false},        {"a b\\fix.qnl", false},     {".\\fix.qnl", false},
        {"\\fix.qnl", false},    {"\\\\srv", false},          {"\\\\srv\\", false},
        {"\\\\\\share", false},  {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWindowsFullPath(c.path), c.full) << c.path;
}

}  // namespace
}  // namespace quen
