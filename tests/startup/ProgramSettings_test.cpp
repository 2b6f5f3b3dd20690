// Whole numbers in the settings file: decimal only, blanks around and a sign allowed, and
// both ends of the range inclusive (the shared decimal reader's syntax: base/Text_test).
#include <gtest/gtest.h>

#include <cstdint>

#include "startup/ProgramSettings.h"

namespace {

TEST(SettingsNumber, DecimalWithinAnInclusiveRange) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"  -7 ", -7}, {"+4", 4}, {"007", 7}, {"32767", 32767}, {"-32768", -32768}, {"32768", {}}, {"-32769", {}},
        {"", {}}, {" ", {}}, {"-", {}}, {"12abc", {}}, {"1 2", {}}, {"1.5", {}}, {"&H10", {}}, {"0x10", {}},
        {"9999999999999999999999999999999999999999", {}}};
    for (const auto& [text, value] : cases) EXPECT_EQ(quen::ParseSettingsNumber(text, INT16_MIN, INT16_MAX), value) << text;
}

}  // namespace
