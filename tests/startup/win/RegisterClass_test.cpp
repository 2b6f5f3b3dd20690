// RegisterClass against the real registry: text forms, key creation, limits and its messages.
// (The 64-bit view of HKLM, where the resumed run's start entry must be: e2e/patchhead.sh.)
#include <windows.h>

#include "startup/RegisterClass.h"

#include <gtest/gtest.h>

#include <string>

#include "win/DialogWatcher.h"
#include "platform/win/Handles.h"

namespace quen {
namespace {

using namespace std::string_literals;
using namespace platform;

constexpr const char* kBase = "Software\\QuenlarkTest";
const std::string kKey = std::string(kBase) + "\\Values";

struct RawValue { bool found = false; DWORD type = 0; std::string bytes; };

// Reads a value through advapi32, independently of RegisterClass.
RawValue ReadRaw(HKEY hive, const std::string& key, const std::string& name) {
    RawValue v;
    win::UniqueHKey k;
    DWORD size = 0;
    if (RegOpenKeyExA(hive, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS ||
        RegQueryValueExA(k.get(), name.c_str(), nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS)
        return v;
    v.bytes.assign(size, '\0');
    v.found = RegQueryValueExA(k.get(), name.c_str(), nullptr, &v.type, reinterpret_cast<BYTE*>(v.bytes.data()),
                               &size) == ERROR_SUCCESS;
    return v;
}

bool KeyExists(HKEY hive, const std::string& key) {
    win::UniqueHKey k;
    return RegOpenKeyExA(hive, key.c_str(), 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

class RegisterClassTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kBase);
        reg.MainKey = kHiveCurrentUser;
        reg.SubKey = kKey;
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kBase); }

    // SetValue; the texts of the message boxes it showed, one a line.
    std::string Set(const std::string& name, int type, const std::string& data, bool& ok) {
        std::string told;
        for (const auto& box : test::WatchDialogs([&] { ok = reg.SetValue(name, type, data); })) told += box.text + (box.pressed ? "\n" : " (not pressed)\n");
        return told;
    }
    bool SetQuietly(const std::string& name, int type, const std::string& data) {
        bool ok = false;
        EXPECT_EQ(Set(name, type, data, ok), "") << name;
        return ok;
    }

    RegisterClass reg;
};

TEST_F(RegisterClassTest, ValuesAreStoredWithTheirTypeAndReadBackAsText) {
    // readable: ReadValue succeeds; read: what it gives ("unchanged": it leaves the data alone).
    const struct { const char* name; int type; std::string data; DWORD rawType; std::string raw; bool readable; std::string read; } cases[] = {
        {"", kRegString, "default text", REG_SZ, "default text\0"s, true, "default text"},
        {"Number", kRegDword, "123", REG_DWORD, "\x7B\0\0\0"s, true, "123"},
        {"Bytes", kRegBinary, "10,255", REG_BINARY, "\x0A\xFF", true, "A,FF"},
        {"Expand", REG_EXPAND_SZ, "%TEMP%\\x", REG_EXPAND_SZ, "%TEMP%\\x\0"s, true, "unchanged"},
        {"Fits", kRegString, std::string(1023, 'a'), REG_SZ, std::string(1023, 'a') + '\0', true, std::string(1023, 'a')},
        {"TooLong", kRegString, std::string(1024, 'b'), REG_SZ, std::string(1024, 'b') + '\0', false, "unchanged"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetQuietly(c.name, c.type, c.data)) << c.name;
        const RawValue raw = ReadRaw(HKEY_CURRENT_USER, kKey, c.name);
        EXPECT_EQ(raw.type, c.rawType) << c.name;
        EXPECT_EQ(raw.bytes, c.raw) << c.name;
        std::string data = "unchanged";
        EXPECT_EQ(reg.ReadValue(c.name, c.type, data), c.readable) << c.name;
        EXPECT_EQ(data, c.read) << c.name;
    }
    // What is not there, or does not fit the type's buffer, reads nothing.
    std::string data = "unchanged";
    for (int type : {kRegString, kRegBinary, kRegDword}) EXPECT_FALSE(reg.ReadValue("Nothing", type, data));
    ASSERT_TRUE(SetQuietly("Longer", kRegString, "hello"));
    EXPECT_FALSE(reg.ReadValue("Longer", kRegDword, data));
    reg.SubKey = kKey + "\\Missing";
    EXPECT_FALSE(reg.ReadValue("Text", kRegString, data));
    EXPECT_EQ(data, "unchanged");
}

TEST_F(RegisterClassTest, MissingKeysAreCreatedUnlessTheNameIsTooLong) {
    reg.SubKey = kKey + "\\Deeper\\And Deeper";
    ASSERT_TRUE(SetQuietly("Made", kRegString, "yes"));
    EXPECT_EQ(reg.SubKey, kKey + "\\Deeper\\And Deeper");
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, reg.SubKey, "Made").bytes, "yes\0"s);
    // Key names are limited to 255 characters: false, without a message.
    reg.SubKey = kKey + "\\" + std::string(300, 'k');
    EXPECT_FALSE(SetQuietly("V", kRegString, "x"));
}

TEST_F(RegisterClassTest, RefusedDataAndHivesAreToldAndWriteNothing) {
    const struct { std::uint32_t hive; std::string name; int type; const char* data; const char* told; } cases[] = {
        {kHiveCurrentUser, "Bad", kRegDword, "twelve", "SetValue Error\n"},
        {kHiveCurrentConfig, "Name", kRegString, "data", "Unknow MainKey\n"},
        {kHivePerformanceData, "Name", kRegString, "data", "Unknow MainKey\n"},
        {0x7FFFFFFFu, "Name", kRegString, "data", "Unknow MainKey\n"},
    };
    for (const auto& c : cases) {
        reg.MainKey = c.hive;
        bool ok = true;
        EXPECT_EQ(Set(c.name, c.type, c.data, ok), c.told) << c.data << " in " << std::hex << c.hive;
        EXPECT_FALSE(ok);
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_CONFIG, kKey));
    // Reading from an unknown hive is told too.
    std::string data = "unchanged";
    EXPECT_EQ(test::WatchDialogs([&] { EXPECT_FALSE(reg.ReadValue("Name", kRegString, data)); }).size(), 1u);
    // The registry itself refuses value names longer than 16383 characters.
    reg.MainKey = kHiveCurrentUser;
    ASSERT_TRUE(SetQuietly("Present", kRegString, "x"));
    bool ok = true;
    EXPECT_EQ(Set(std::string(16384, 'n'), kRegString, "data", ok), "SetValue Error\n");
    EXPECT_FALSE(ok);
}

TEST_F(RegisterClassTest, LastAllowedHiveAndDeletions) {
    // The first, HKEY_CLASSES_ROOT, is where e2e/startup.sh finds the script file type.
    reg.MainKey = kHiveUsers;
    reg.SubKey = std::string(".DEFAULT\\") + kBase;
    EXPECT_TRUE(SetQuietly("V", kRegString, "users"));
    EXPECT_EQ(ReadRaw(HKEY_USERS, reg.SubKey, "V").bytes, "users\0"s);
    RegDeleteTreeA(HKEY_USERS, reg.SubKey.c_str());
    // Values are deleted (leaf-only key deletion: ScriptType_test).
    reg.MainKey = kHiveCurrentUser;
    reg.SubKey = kKey;
    ASSERT_TRUE(SetQuietly("Gone", kRegString, "x"));
    EXPECT_TRUE(reg.DelValue("Gone"));
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kKey, "Gone").found);
    EXPECT_FALSE(reg.DelValue("Gone"));
}

}  // namespace
}  // namespace quen
