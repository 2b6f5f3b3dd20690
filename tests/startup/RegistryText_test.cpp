// Registry value text forms and the bytes written for each type; command lines for the system.
#include "startup/RegistryText.h"

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "startup/SystemText.h"

namespace quen {
namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegString;

// A list of numbers, each keeping its low byte; blank is no bytes, an empty item fails.
// The read form is upper hex without leading zeros and sets back the same bytes.
TEST(BinaryText, Table) {
    const std::pair<const char*, std::optional<Bytes>> cases[] = {
        {"77,90,144", Bytes{77, 90, 144}}, {" 10 , 255 ", Bytes{10, 255}}, {"0", Bytes{0}},
        {"&HA,&HFF", Bytes{0x0A, 0xFF}}, {"256,300,-1", Bytes{0x00, 0x2C, 0xFF}}, {"", Bytes{}}, {"   ", Bytes{}},
        {"1,,2", {}}, {"1,2,", {}}, {",1", {}}, {"1,x", {}}};
    for (const auto& [text, bytes] : cases) EXPECT_EQ(ParseBinaryText(text), bytes) << '"' << text << '"';
    EXPECT_EQ(FormatBinaryText({0x4D, 0x0A, 0x00, 0xFF}), "4D,A,0,FF");
    EXPECT_EQ(FormatBinaryText({}), "");
    EXPECT_EQ(BinaryReadTextToSetText("A,FF"), "&HA,&HFF");
    EXPECT_EQ(BinaryReadTextToSetText(""), "");
}

// The bytes written for each type's text, and the text read from stored bytes; text
// that does not convert writes nothing. Numbers are the shared 32-bit reading
// (base/Text_test), signed or not; as text, signed.
TEST(ValueData, ByType) {
    const std::tuple<int, const char*, std::optional<std::string>> encoded[] = {
        {kRegString, "abc", std::string("abc\0", 4)}, {kRegString, "", std::string("\0", 1)},
        {2, "%TEMP%", std::string("%TEMP%\0", 7)}, {kRegBinary, "10,255", std::string("\x0A\xFF", 2)},
        {kRegDword, "123", std::string("\x7B\0\0\0", 4)}, {kRegDword, "-2", std::string("\xFE\xFF\xFF\xFF", 4)},
        {kRegDword, "4294967295", "\xFF\xFF\xFF\xFF"}, {kRegDword, "-2147483649", {}}, {kRegDword, "twelve", {}},
        {kRegDword, "", {}}, {kRegBinary, "1,2,three", {}}};
    for (const auto& [type, text, bytes] : encoded) EXPECT_EQ(EncodeValueData(type, text), bytes) << text;
    const std::tuple<int, std::string, const char*> decoded[] = {
        {kRegString, std::string("abc\0junk", 8), "abc"}, {kRegString, "no terminator", "no terminator"},
        {kRegBinary, std::string("\x0A\xFF", 2), "A,FF"}, {kRegDword, std::string("\x7B\0\0\0", 4), "123"},
        {kRegDword, std::string("\xFF\xFF\xFF\xFF", 4), "-1"}, {kRegDword, std::string("\0\0\0\x80", 4), "-2147483648"},
        {kRegDword, std::string("\xFF\xFF\xFF\x7F", 4), "2147483647"}, {kRegDword, std::string("\x01", 1), "1"}};
    for (const auto& [type, bytes, text] : decoded) EXPECT_EQ(DecodeValueData(type, bytes), text) << text;
}

// The program path in quotes, then one blank, then the arguments.
TEST(SystemText, CommandLineAndProgramFolder) {
    const struct { const char* program; const char* args; const char* line; } kCases[] = {
        {"C:\\Program Files\\Q\\QCab.exe", "", "\"C:\\Program Files\\Q\\QCab.exe\""},
        {"C:\\t.exe", "/F a.ddf", "\"C:\\t.exe\" /F a.ddf"},
        {"C:\\t.exe", " /F a.ddf", "\"C:\\t.exe\" /F a.ddf"},  // a leading blank is the separator
        {"C:\\t.exe", "  two", "\"C:\\t.exe\"  two"},
        {"C:\\t.exe", "\"quoted arg\" x", "\"C:\\t.exe\" \"quoted arg\" x"},
    };
    for (const auto& c : kCases) EXPECT_EQ(BuildCommandLine(c.program, c.args), c.line) << c.args;
    // The program's folder: the text before the last backslash.
    EXPECT_EQ(ProgramFolder("C:\\Program Files\\Q\\QCab.exe"), "C:\\Program Files\\Q");
    EXPECT_EQ(ProgramFolder("C:\\x.exe"), "C:");
    EXPECT_EQ(ProgramFolder("x.exe"), "");
    EXPECT_EQ(ProgramFolder(""), "");
}

}  // namespace
}  // namespace quen
