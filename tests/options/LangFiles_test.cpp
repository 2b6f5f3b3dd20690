// The shipped language files: their bytes, line ends and code page.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kShipped[] = {"English", "German"};

// The repository's assets folder, found from the test data folder "<repo>/tests/data".
std::string ShippedPath(const std::string& name) {
    std::string repo = QUEN_TEST_DATA;
    repo.resize(repo.size() - std::string("/tests/data").size());
    return repo + "/assets/Language/" + name + ".lng";
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Bytes that code page 1252 leaves undefined.
bool UndefinedIn1252(unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

TEST(LangFiles, LinesEndCrLfExceptTheLast) {
    for (const char* name : kShipped) {
        const std::string bytes = Bytes(ShippedPath(name));
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_NE(bytes.back(), '\n') << name;
        EXPECT_NE(bytes.back(), '\r') << name;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " at " << i;
            }
            if (bytes[i] == '\r') {
                EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " at " << i;
            }
        }
    }
}

TEST(LangFiles, BytesAreCodePage1252Text) {
    for (const char* name : kShipped) {
        const std::string bytes = Bytes(ShippedPath(name));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            EXPECT_FALSE(c < 0x20 && c != '\r' && c != '\n') << name << " control byte at " << i;
            EXPECT_FALSE(UndefinedIn1252(c)) << name << " byte " << int(c) << " at " << i;
        }
    }
}

TEST(LangFiles, GermanIsStoredInCodePage1252NotUtf8) {
    const std::string bytes = Bytes(ShippedPath("German"));
    // "Schlüssel" with the single byte 0xFC; UTF-8 would write C3 BC.
    EXPECT_NE(bytes.find("Schl\xFCssel"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3\xBC"), std::string::npos);
    EXPECT_EQ(bytes.find("\xEF\xBB\xBF"), std::string::npos);  // no byte order mark
}

TEST(LangFiles, EnglishIsPlainAscii) {
    for (const char c : Bytes(ShippedPath("English"))) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
    }
}

}  // namespace
