// Removing the script file type from HKEY_CLASSES_ROOT (e2e/startup.sh reads the registered
// keys back): every key goes, twice is harmless, and another program's key is left alone.
#include <windows.h>

#include "project/win/ScriptType.h"

#include <gtest/gtest.h>

#include "win/DialogWatcher.h"
#include "platform/win/Handles.h"

namespace quen {
namespace {

bool KeyExists(const char* key) {
    win::UniqueHKey k;
    return RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, k.put()) == ERROR_SUCCESS;
}

TEST(ScriptType, UnregisterRemovesOnlyItsOwnKeysWithoutAMessage) {
    const char* const keys[] = {".qnl", "QuenlarkScript", "QuenlarkScript\\DefaultIcon", "QuenlarkScript\\shell",
                                "QuenlarkScript\\shell\\open", "QuenlarkScript\\shell\\open\\command"};
    RegisterScriptType("C:\\Program Files\\Quen Lark", "Quenlark");
    for (const char* key : keys) ASSERT_TRUE(KeyExists(key)) << key;
    EXPECT_TRUE(test::WatchDialogs([] {
                    UnregisterScriptType();
                    UnregisterScriptType();
                }).empty());
    for (const char* key : keys) EXPECT_FALSE(KeyExists(key)) << key;

    // Only empty keys are deleted: another program's verb below "shell" keeps its path.
    RegisterScriptType("C:\\Q", "Quenlark");
    win::UniqueHKey other;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, "QuenlarkScript\\shell\\edit", other.put()), ERROR_SUCCESS);
    UnregisterScriptType();
    EXPECT_FALSE(KeyExists(".qnl"));
    EXPECT_FALSE(KeyExists("QuenlarkScript\\shell\\open"));
    EXPECT_TRUE(KeyExists("QuenlarkScript\\shell\\edit"));
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "QuenlarkScript");
}

}  // namespace
}  // namespace quen
