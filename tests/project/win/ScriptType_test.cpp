// The script file type's keys under HKEY_CLASSES_ROOT, read back after registering and removing.
#include <windows.h>

#include "project/win/ScriptType.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "win/DialogWatcher.h"
#include "win/Handles.h"

namespace quen {
namespace {

using test::DialogWatcher;

const char* const kKeys[] = {".qnl", "QuenlarkScript", "QuenlarkScript\\DefaultIcon", "QuenlarkScript\\shell",
                             "QuenlarkScript\\shell\\open", "QuenlarkScript\\shell\\open\\command"};

bool KeyExists(const char* key) {
    win::UniqueHKey k;
    return RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

// The key's default value as a string; nullopt when the key or the value is missing.
std::optional<std::string> DefaultValue(const char* key) {
    win::UniqueHKey k;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, k.put()) != ERROR_SUCCESS) return std::nullopt;
    char buf[1024] = {};
    DWORD size = sizeof buf;
    DWORD type = 0;
    if (RegQueryValueExA(k.get(), "", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ) return "(not a string)";
    return std::string(buf);
}

class ScriptTypeTest : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }
    static void Remove() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "QuenlarkScript");
        RegDeleteTreeA(HKEY_CLASSES_ROOT, ".qnl");
    }
};

TEST_F(ScriptTypeTest, RegisterWritesTheFourKeysWithUnquotedPathsOverEarlierValues) {
    DialogWatcher watcher;
    RegisterScriptType("C:\\Old", "Old");
    RegisterScriptType("C:\\Program Files\\Quen Lark", "Quenlark");
    EXPECT_TRUE(watcher.Finish().empty());

    EXPECT_EQ(DefaultValue(".qnl"), "QuenlarkScript");
    EXPECT_TRUE(KeyExists("QuenlarkScript"));
    EXPECT_EQ(DefaultValue("QuenlarkScript"), std::nullopt);
    EXPECT_EQ(DefaultValue("QuenlarkScript\\DefaultIcon"), "C:\\Program Files\\Quen Lark\\Quenlark.EXE,1");
    EXPECT_EQ(DefaultValue("QuenlarkScript\\shell\\open\\command"),
              "C:\\Program Files\\Quen Lark\\Quenlark.EXE %1 %2 %3");
}

TEST_F(ScriptTypeTest, UnregisterRemovesEveryKeyAndTwiceShowsNothing) {
    RegisterScriptType("C:\\Program Files\\Quen Lark", "Quenlark");
    for (const char* key : kKeys) ASSERT_TRUE(KeyExists(key)) << key;

    DialogWatcher watcher;
    UnregisterScriptType();
    for (const char* key : kKeys) EXPECT_FALSE(KeyExists(key)) << key;
    UnregisterScriptType();
    for (const char* key : kKeys) EXPECT_FALSE(KeyExists(key)) << key;
    EXPECT_TRUE(watcher.Finish().empty());
}

TEST_F(ScriptTypeTest, UnregisterLeavesKeysThatHoldForeignSubKeys) {
    // Only empty keys are deleted: another program's verb below "shell" keeps its path.
    RegisterScriptType("C:\\Q", "Quenlark");
    win::UniqueHKey other;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "QuenlarkScript\\shell\\edit", other.put()), ERROR_SUCCESS);
    UnregisterScriptType();
    EXPECT_FALSE(KeyExists(".qnl"));
    EXPECT_FALSE(KeyExists("QuenlarkScript\\shell\\open"));
    EXPECT_TRUE(KeyExists("QuenlarkScript\\shell\\edit"));
    EXPECT_TRUE(KeyExists("QuenlarkScript"));
}

}  // namespace
}  // namespace quen
