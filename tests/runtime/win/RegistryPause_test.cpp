// Paused values on the real registry: each value is either paused and set back with
// exactly its type and bytes, or, when that cannot be done, never touched.
#include <windows.h>
#undef ExitWindows  // a windows.h macro; the runtime has its own ExitWindows

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/PlatformPorts.h"
#include "runtime/RegistryPhase.h"
#include "runtime/RuntimeFakes.h"
#include "startup/win/WinRegistry.h"
#include "support/TempDir.h"
#include "win/DialogWatcher.h"
#include "win/Handles.h"

namespace {

using namespace quen::runtime;
using std::string_literals::operator""s;

constexpr const char* kKey = "Software\\QuenlarkTest\\Pause";

struct Stored {
    bool found = false;
    DWORD type = 0;
    std::string bytes;
    bool operator==(const Stored&) const = default;
};

Stored ReadBack(const char* name) {
    Stored v;
    quen::win::UniqueHKey k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, k.put()) != ERROR_SUCCESS) return v;
    DWORD size = 0;
    if (RegQueryValueExA(k.get(), name, nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS) return v;
    v.bytes.assign(size, '\0');
    v.found = RegQueryValueExA(k.get(), name, nullptr, &v.type, reinterpret_cast<BYTE*>(v.bytes.data()), &size) ==
              ERROR_SUCCESS;
    v.bytes.resize(size);
    return v;
}

TEST(RegistryPauseOnTheRealRegistry, EveryValueEndsExactlyAsItWas) {
    struct Case {
        const char* name;
        DWORD type;
        std::string bytes;
        int entryType;
        bool paused;
    };
    const std::vector<Case> cases = {
        {"Fits", REG_SZ, std::string(1023, 'a') + '\0', 1, true},
        {"Long", REG_SZ, std::string(2000, 'b') + '\0', 1, false},
        {"Comma", REG_SZ, "C:\\Apps, Inc\0"s, 1, true},
        {"Lines", REG_SZ, "one\r\ntwo\0"s, 1, false},
        {"Expand", REG_EXPAND_SZ, "%TEMP%\\x\0"s, 2, false},
        {"Multi", REG_MULTI_SZ, "a\0b\0\0"s, 7, false},
        {"Mismatch", REG_EXPAND_SZ, "y\0"s, 1, false},
        {"Bin", REG_BINARY, "\0\xFF\x10"s, 3, true},
        {"Num", REG_DWORD, "\x78\x56\x34\x12"s, 4, true},
    };
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    quen::win::UniqueHKey key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kKey, key.put()), ERROR_SUCCESS);
    std::string script = "[Setup]\r\nScriptID=QuenlarkScript_100\r\nOffReg=" + std::to_string(cases.size()) +
                         "\r\n[OffReg]\r\n";
    std::vector<Stored> before;
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        ASSERT_EQ(RegSetValueExA(key.get(), c.name, 0, c.type, reinterpret_cast<const BYTE*>(c.bytes.data()),
                                 static_cast<DWORD>(c.bytes.size())),
                  ERROR_SUCCESS);
        before.push_back(ReadBack(c.name));
        script += std::to_string(i + 1) + "=HKCU," + kKey + "," + c.name + "," + std::to_string(c.entryType) +
                  ",%RetainValue%\r\n";
    }
    quen::test::TempDir dir;
    quen::test::WriteFileBytes(dir.Path("fix.qnl"), script);
    PlatformFiles files;
    AppIniFiles ini;
    quen::win::WinRegistry registry;
    fakes::FakeSystem system;
    system.tempDir = dir.path();
    fakes::FakeWindows windows;
    RuntimePorts ports{files, ini, registry, system, windows};
    RuntimeState st;
    st.ScriptFile = dir.Path("fix.qnl");
    RunContext ctx(st, ports);

    quen::test::DialogWatcher watcher;
    RegistryPhase(ctx);
    const auto told = watcher.Finish();
    ASSERT_EQ(told.size(), 1u);
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(ReadBack(c.name).found, !c.paused) << c.name << " during the patch";
        const std::string entry = std::string(",") + c.name + ",";
        EXPECT_EQ(told[0].text.find(entry) != std::string::npos, !c.paused) << c.name;
    }
    EXPECT_EQ(RestorePausedValues(ctx).setBack, 4);
    for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(ReadBack(cases[i].name), before[i]) << cases[i].name;
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuenlarkTest");
}

}  // namespace
