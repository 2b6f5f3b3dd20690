// RegisterClass against the real registry: text forms, key creation, limits and its messages.
#include <windows.h>

#include "startup/RegisterClass.h"

#include <gtest/gtest.h>

#include <string>

#include "win/DialogWatcher.h"
#include "win/Handles.h"

namespace quen {
namespace {

using platform::kHiveClassesRoot;
using platform::kHiveCurrentConfig;
using platform::kHiveCurrentUser;
using platform::kHiveDynData;
using platform::kHiveUsers;
using platform::kRegBinary;
using platform::kRegDword;
using platform::kRegString;
using test::DialogWatcher;

constexpr const char* kBase = "Software\\QuenlarkTest";

struct RawValue {
    bool found = false;
    DWORD type = 0;
    std::string bytes;
};

// Reads a value directly through advapi32, independently of RegisterClass.
RawValue ReadRaw(HKEY hive, const std::string& key, const std::string& name) {
    RawValue v;
    win::UniqueHKey k;
    if (RegOpenKeyExA(hive, key.c_str(), 0, KEY_READ, k.put()) != ERROR_SUCCESS) return v;
    DWORD size = 0;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS) return v;
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
        reg.SubKey = key;
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kBase); }

    // Sets a value and asserts that no message box appeared on the way.
    bool SetQuietly(const std::string& name, int type, const std::string& data) {
        DialogWatcher watcher;
        bool ok = reg.SetValue(name, type, data);
        EXPECT_TRUE(watcher.Finish().empty()) << "unexpected message for " << name;
        return ok;
    }

    const std::string key = std::string(kBase) + "\\Values";
    RegisterClass reg;
};

TEST_F(RegisterClassTest, StringNumberBinaryAndDefaultValuesRoundTrip) {
    ASSERT_TRUE(SetQuietly("Text", kRegString, "hello world"));
    ASSERT_TRUE(SetQuietly("Number", kRegDword, "123"));
    ASSERT_TRUE(SetQuietly("Bytes", kRegBinary, "10,255"));
    ASSERT_TRUE(SetQuietly("", kRegString, "default text"));

    RawValue number = ReadRaw(HKEY_CURRENT_USER, key, "Number");
    EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number.bytes, std::string("\x7B\0\0\0", 4));
    RawValue bytes = ReadRaw(HKEY_CURRENT_USER, key, "Bytes");
    EXPECT_EQ(bytes.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes.bytes, std::string("\x0A\xFF", 2));
    RawValue text = ReadRaw(HKEY_CURRENT_USER, key, "Text");
    EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text.bytes, std::string("hello world\0", 12));

    std::string data;
    EXPECT_TRUE(reg.ReadValue("Text", kRegString, data));
    EXPECT_EQ(data, "hello world");
    EXPECT_TRUE(reg.ReadValue("Number", kRegDword, data));
    EXPECT_EQ(data, "123");
    EXPECT_TRUE(reg.ReadValue("Bytes", kRegBinary, data));
    EXPECT_EQ(data, "A,FF");
    EXPECT_TRUE(reg.ReadValue("", kRegString, data));
    EXPECT_EQ(data, "default text");

    ASSERT_TRUE(SetQuietly("Empty", kRegBinary, ""));
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, key, "Empty").found);
    EXPECT_TRUE(reg.ReadValue("Empty", kRegBinary, data));
    EXPECT_EQ(data, "");
}

TEST_F(RegisterClassTest, NegativeNumbersAndOtherTypes) {
    ASSERT_TRUE(SetQuietly("Minus", kRegDword, "-2147483648"));
    std::string data;
    EXPECT_TRUE(reg.ReadValue("Minus", kRegDword, data));
    EXPECT_EQ(data, "-2147483648");

    // Any other type number is written as text with that type.
    ASSERT_TRUE(SetQuietly("Expand", REG_EXPAND_SZ, "%TEMP%\\x"));
    RawValue expand = ReadRaw(HKEY_CURRENT_USER, key, "Expand");
    EXPECT_EQ(expand.type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(expand.bytes, std::string("%TEMP%\\x\0", 9));

    // Reading another type reads nothing and leaves the data as it was.
    data = "unchanged";
    EXPECT_TRUE(reg.ReadValue("Expand", REG_EXPAND_SZ, data));
    EXPECT_EQ(data, "unchanged");
}

TEST_F(RegisterClassTest, MissingKeyIsCreatedAndSubKeyKept) {
    reg.SubKey = key + "\\Deeper\\And Deeper";
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, reg.SubKey));
    ASSERT_TRUE(SetQuietly("Made", kRegString, "yes"));
    EXPECT_EQ(reg.SubKey, key + "\\Deeper\\And Deeper");
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, reg.SubKey, "Made").bytes, std::string("yes\0", 4));
}

TEST_F(RegisterClassTest, KeyThatCannotBeCreatedGivesFalseWithoutAMessage) {
    // Key names are limited to 255 characters, so this key can be neither opened nor made.
    reg.SubKey = key + "\\" + std::string(300, 'k');
    EXPECT_FALSE(SetQuietly("V", kRegString, "x"));
    EXPECT_EQ(reg.SubKey, key + "\\" + std::string(300, 'k'));
}

TEST_F(RegisterClassTest, StringsUpTo1023CharactersAreRead) {
    const std::string fits(1023, 'a');
    const std::string tooLong(1024, 'b');
    ASSERT_TRUE(SetQuietly("Fits", kRegString, fits));
    ASSERT_TRUE(SetQuietly("TooLong", kRegString, tooLong));
    std::string data;
    EXPECT_TRUE(reg.ReadValue("Fits", kRegString, data));
    EXPECT_EQ(data, fits);
    data = "unchanged";
    EXPECT_FALSE(reg.ReadValue("TooLong", kRegString, data));
    EXPECT_EQ(data, "unchanged");
}

TEST_F(RegisterClassTest, ReadingWhatIsNotThereFails) {
    std::string data = "unchanged";
    EXPECT_FALSE(reg.ReadValue("Nothing", kRegString, data));  // key missing
    ASSERT_TRUE(SetQuietly("Something", kRegString, "x"));
    EXPECT_FALSE(reg.ReadValue("Nothing", kRegString, data));
    EXPECT_FALSE(reg.ReadValue("Nothing", kRegBinary, data));
    EXPECT_FALSE(reg.ReadValue("Nothing", kRegDword, data));
    EXPECT_EQ(data, "unchanged");
    // A string longer than four bytes does not fit the number buffer.
    ASSERT_TRUE(SetQuietly("Longer", kRegString, "hello"));
    EXPECT_FALSE(reg.ReadValue("Longer", kRegDword, data));
    EXPECT_EQ(data, "unchanged");
}

TEST_F(RegisterClassTest, HivesOutsideClassesRootToUsersAreRefusedWithAMessage) {
    for (std::uint32_t hive : {kHiveCurrentConfig, kHiveDynData, platform::kHivePerformanceData, 0x7FFFFFFFu}) {
        reg.MainKey = hive;
        DialogWatcher watcher;
        EXPECT_FALSE(reg.SetValue("Name", kRegString, "data"));
        std::string data = "unchanged";
        EXPECT_FALSE(reg.ReadValue("Name", kRegString, data));
        EXPECT_EQ(data, "unchanged");
        auto seen = watcher.Finish();
        ASSERT_EQ(seen.size(), 2u) << std::hex << hive;
        for (const auto& box : seen) {
            EXPECT_EQ(box.text, "Unknow MainKey");
            EXPECT_TRUE(box.pressed);
        }
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_CONFIG, key));
}

TEST_F(RegisterClassTest, FirstAndLastAllowedHivesShowNoMessage) {
    const std::string testKey = std::string("QuenlarkTest.Boundary");
    reg.MainKey = kHiveClassesRoot;
    reg.SubKey = testKey;
    EXPECT_TRUE(SetQuietly("V", kRegString, "root"));
    EXPECT_EQ(ReadRaw(HKEY_CLASSES_ROOT, testKey, "V").bytes, std::string("root\0", 5));
    EXPECT_TRUE(reg.DelSubKey(testKey));

    reg.MainKey = kHiveUsers;
    reg.SubKey = std::string(".DEFAULT\\") + kBase;
    EXPECT_TRUE(SetQuietly("V", kRegString, "users"));
    std::string data;
    EXPECT_TRUE(reg.ReadValue("V", kRegString, data));
    EXPECT_EQ(data, "users");
    RegDeleteTreeA(HKEY_USERS, reg.SubKey.c_str());
}

TEST_F(RegisterClassTest, DataThatDoesNotConvertShowsSetValueErrorAndWritesNothing) {
    for (auto [type, text] : {std::pair{kRegDword, "twelve"}, std::pair{kRegDword, ""},
                              std::pair{kRegBinary, "1,2,x"}, std::pair{kRegBinary, "1,,2"}}) {
        DialogWatcher watcher;
        EXPECT_FALSE(reg.SetValue("Bad", type, text));
        auto seen = watcher.Finish();
        ASSERT_EQ(seen.size(), 1u) << text;
        EXPECT_EQ(seen[0].text, "SetValue Error");
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));
}

TEST_F(RegisterClassTest, WriteRefusedByTheRegistryShowsSetValueError) {
    // The registry refuses value names longer than 16383 characters.
    const std::string longName(16384, 'n');
    ASSERT_TRUE(SetQuietly("Present", kRegString, "x"));
    DialogWatcher watcher;
    EXPECT_FALSE(reg.SetValue(longName, kRegString, "data"));
    auto seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "SetValue Error");
}

TEST_F(RegisterClassTest, DeletingValuesAndKeys) {
    ASSERT_TRUE(SetQuietly("Gone", kRegString, "x"));
    EXPECT_TRUE(reg.DelValue("Gone"));
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, key, "Gone").found);
    EXPECT_FALSE(reg.DelValue("Gone"));

    // DelSubKey takes a path from the hive, not from SubKey, and only deletes leaf keys.
    reg.SubKey = key;
    EXPECT_TRUE(reg.AddSubKey("Child\\Grandchild"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key + "\\Child\\Grandchild"));
    EXPECT_FALSE(reg.DelSubKey(key + "\\Child"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key + "\\Child"));
    EXPECT_FALSE(reg.DelSubKey("Child\\Grandchild"));
    EXPECT_TRUE(reg.DelSubKey(key + "\\Child\\Grandchild"));
    EXPECT_TRUE(reg.DelSubKey(key + "\\Child"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key + "\\Child"));
    EXPECT_FALSE(reg.DelSubKey(key + "\\Child"));
    // An empty path would be the hive itself.
    EXPECT_FALSE(reg.DelSubKey(""));
    // Without a SubKey, AddSubKey starts at the hive.
    reg.SubKey.clear();
    EXPECT_TRUE(reg.AddSubKey(key + "\\Top"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key + "\\Top"));
}

TEST(RegisterClassView, SixtyFourBitBuildWritesTheNativeView) {
    // The resumed-run value lives under HKLM\Software: the 64-bit build must see the same
    // key as 64-bit programs, not the 32-bit redirected one.
    const std::string key = std::string(kBase) + "\\View";
    RegisterClass reg;
    reg.MainKey = platform::kHiveLocalMachine;
    reg.SubKey = key;
    ASSERT_TRUE(reg.SetValue("Where", kRegString, "here"));
    auto visibleIn = [&](REGSAM view) {
        win::UniqueHKey k;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | view, k.put()) != ERROR_SUCCESS)
            return false;
        return RegQueryValueExA(k.get(), "Where", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    };
#ifdef _WIN64
    EXPECT_TRUE(visibleIn(KEY_WOW64_64KEY));
    EXPECT_FALSE(visibleIn(KEY_WOW64_32KEY));
#else
    EXPECT_TRUE(visibleIn(0));
#endif
    EXPECT_TRUE(reg.DelValue("Where"));
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kBase);
}

}  // namespace
}  // namespace quen
