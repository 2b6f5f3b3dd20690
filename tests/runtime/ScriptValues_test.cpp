// Script value encodings: numbers, counts, truth values, byte lists, fields, line breaks.
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

TEST(ByteList, HexItemsTrimmedUntilTheFirstEmptyOne) {
    using V = std::vector<unsigned char>;
    EXPECT_EQ(ParseByteList("4D,5A,90"), V({0x4D, 0x5A, 0x90}));
    EXPECT_EQ(ParseByteList(" a , 0 ,FF"), V({0x0A, 0x00, 0xFF}));
    EXPECT_EQ(ParseByteList("01,,02"), V({0x01}));
    EXPECT_EQ(ParseByteList(""), V());
    EXPECT_EQ(ParseByteList("01,"), V({0x01}));
}

TEST(ByteList, AnItemThatIsNoByteSpoilsTheList) {
    for (const char* bad : {"100", "G", "4D,ZZ", "&H10", "-1", "1 2"})
        EXPECT_FALSE(ParseByteList(bad).has_value()) << bad;
}

TEST(Fields, CommaFieldsTrimmedAndCutAtNul) {
    EXPECT_EQ(Field("HKCU, Software\\X ,Name", 3), "Name");
    EXPECT_EQ(Field("HKCU,Software\\X,Name", 4), "");
    EXPECT_EQ(Field("a,,c", 2), "");
    EXPECT_EQ(Field(std::string("ab\0cd,e", 7), 1), "ab");
    EXPECT_EQ(Field("a", 0), "");
}

TEST(LineBreaks, BackslashNInAnyCaseBecomesCrLf) {
    EXPECT_EQ(ExpandLineBreaks("one\\ntwo\\Nthree"), "one\r\ntwo\r\nthree");
    EXPECT_EQ(ExpandLineBreaks("path C:\\new"), "path C:\r\new");
    EXPECT_EQ(ExpandLineBreaks("end\\"), "end\\");
    EXPECT_EQ(ExpandLineBreaks("a\\x"), "a\\x");
}
