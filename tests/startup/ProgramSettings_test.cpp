// Whole numbers in the settings file: what counts as a number, and the ranges.
#include <gtest/gtest.h>

#include <cstdint>

#include "startup/ProgramSettings.h"

namespace {

using quen::ParseSettingsNumber;

TEST(SettingsNumber, DecimalWithSignAndSurroundingBlanks) {
    EXPECT_EQ(ParseSettingsNumber("64", INT32_MIN, INT32_MAX), 64);
    EXPECT_EQ(ParseSettingsNumber("  -7 ", INT32_MIN, INT32_MAX), -7);
    EXPECT_EQ(ParseSettingsNumber("+4", INT32_MIN, INT32_MAX), 4);
    EXPECT_EQ(ParseSettingsNumber("007", INT32_MIN, INT32_MAX), 7);
}

TEST(SettingsNumber, TextThatIsNoNumber) {
    for (const char* text : {"", " ", "-", "abc", "12abc", "1 2", "1.5", "&H10", "0x10",
                             "9999999999999999999999999999999999999999"}) {
        EXPECT_FALSE(ParseSettingsNumber(text, INT32_MIN, INT32_MAX).has_value()) << '"' << text << '"';
    }
}

TEST(SettingsNumber, RangeLimitsAreInclusive) {
    EXPECT_EQ(ParseSettingsNumber("32767", INT16_MIN, INT16_MAX), 32767);
    EXPECT_EQ(ParseSettingsNumber("-32768", INT16_MIN, INT16_MAX), -32768);
    EXPECT_FALSE(ParseSettingsNumber("32768", INT16_MIN, INT16_MAX).has_value());
    EXPECT_FALSE(ParseSettingsNumber("-32769", INT16_MIN, INT16_MAX).has_value());
    EXPECT_EQ(ParseSettingsNumber("2147483647", INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_EQ(ParseSettingsNumber("-2147483648", INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_FALSE(ParseSettingsNumber("2147483648", INT32_MIN, INT32_MAX).has_value());
}

}  // namespace
