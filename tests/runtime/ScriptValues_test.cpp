// Script value encodings: numbers, counts, truth values.
#include <gtest/gtest.h>

#include "runtime/ScriptValues.h"

using namespace quen::runtime;

// Decimal or "&H" (eight hex digits are the 32-bit pattern); a count is 0 when it is no
// number and stays in 16 bits; only the exact words override a truth default.
TEST(ScriptValues, Table) {
    // Numbers are the shared 32-bit reading (base/Text_test), signed.
    EXPECT_EQ(ParseScriptNumber("&H80000000"), INT32_MIN);
    EXPECT_EQ(ParseScriptNumber("2147483648"), std::nullopt);
    const std::pair<const char*, int> counts[] = {{"3", 3}, {"x", 0}, {"", 0}, {"-4", 0}, {"32767", 32767}, {"99999", 32767}};
    for (const auto& [text, count] : counts) EXPECT_EQ(ParseCount(text), count) << text;
    const std::tuple<const char*, bool, bool> truths[] = {{"True", false, true}, {"False", true, false},
                                                          {"", true, true},      {"true", false, false},
                                                          {"FALSE", true, true}, {"1", false, false}};
    for (const auto& [text, byDefault, truth] : truths) EXPECT_EQ(ParseTruth(text, byDefault), truth) << text;
}
