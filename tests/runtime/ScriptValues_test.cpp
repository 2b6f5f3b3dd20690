// Script value encodings: numbers, counts, truth values, fields.
#include <gtest/gtest.h>

#include "runtime/ScriptValues.h"

using namespace quen::runtime;

TEST(ScriptNumber, DecimalAndHexForms) {
    EXPECT_EQ(ParseScriptNumber("123"), 123);
    EXPECT_EQ(ParseScriptNumber(" -5 "), -5);
    EXPECT_EQ(ParseScriptNumber("+7"), 7);
    EXPECT_EQ(ParseScriptNumber("&H10"), 16);
    EXPECT_EQ(ParseScriptNumber("&hff"), 255);
    EXPECT_EQ(ParseScriptNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseScriptNumber("-2147483648"), INT32_MIN);
    // Eight hex digits are the 32-bit pattern.
    EXPECT_EQ(ParseScriptNumber("&HFFFFFFFF"), -1);
    EXPECT_EQ(ParseScriptNumber("&H80000000"), INT32_MIN);
}

TEST(ScriptNumber, RejectsWhatIsNoNumber) {
    for (const char* bad : {"", " ", "abc", "12x", "1.5", "&H", "&H123456789", "&HG1", "2147483648",
                            "-2147483649", "--1", "+", "0x10", "1 2"})
        EXPECT_FALSE(ParseScriptNumber(bad).has_value()) << bad;
}

TEST(ScriptCount, NoNumberCountsAsZeroAndStaysIn16Bits) {
    EXPECT_EQ(ParseCount("3"), 3);
    EXPECT_EQ(ParseCount("x"), 0);
    EXPECT_EQ(ParseCount(""), 0);
    EXPECT_EQ(ParseCount("-4"), 0);
    EXPECT_EQ(ParseCount("32767"), 32767);
    EXPECT_EQ(ParseCount("99999"), 32767);
}

TEST(ScriptTruth, OnlyExactWordsOverrideTheDefault) {
    EXPECT_TRUE(ParseTruth("True", false));
    EXPECT_FALSE(ParseTruth("False", true));
    EXPECT_TRUE(ParseTruth("", true));
    EXPECT_FALSE(ParseTruth("true", false));
    EXPECT_TRUE(ParseTruth("FALSE", true));
    EXPECT_FALSE(ParseTruth("1", false));
}

TEST(Fields, CommaFieldsTrimmedAndCutAtNul) {
    EXPECT_EQ(Field("HKCU, Software\\X ,Name", 3), "Name");
    EXPECT_EQ(Field("HKCU,Software\\X,Name", 4), "");
    EXPECT_EQ(Field("a,,c", 2), "");
    EXPECT_EQ(Field(std::string("ab\0cd,e", 7), 1), "ab");
    EXPECT_EQ(Field("a", 0), "");
}
