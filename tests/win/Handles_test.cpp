// Handle owners: each closes exactly once, moves hand ownership on, release() keeps it open.
#include "win/Handles.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <utility>

namespace quen::win {
namespace {

bool HandleIsOpen(HANDLE h) {
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

TEST(UniqueHandle, ClosesOnceWhenItGoesOutOfScope) {
    HANDLE raw = nullptr;
    {
        UniqueHandle h(NewEvent());
        raw = h.get();
        ASSERT_TRUE(h);
        EXPECT_TRUE(HandleIsOpen(raw));
    }
    EXPECT_FALSE(HandleIsOpen(raw));
}

TEST(UniqueHandle, MoveHandsOwnershipOn) {
    UniqueHandle a(NewEvent());
    HANDLE raw = a.get();
    UniqueHandle b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), raw);
    UniqueHandle c;
    c = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_TRUE(HandleIsOpen(raw));
    c.reset();
    EXPECT_FALSE(HandleIsOpen(raw));
}

TEST(UniqueHandle, ReleaseKeepsTheHandleOpen) {
    HANDLE raw = nullptr;
    {
        UniqueHandle h(NewEvent());
        raw = h.release();
        EXPECT_FALSE(h);
    }
    EXPECT_TRUE(HandleIsOpen(raw));
    EXPECT_TRUE(CloseHandle(raw));
}

TEST(UniqueHandle, InvalidHandleValueIsNotAHandle) {
    UniqueHandle file(CreateFileA("Q:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(file.get(), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(file);
}

TEST(UniqueHKey, ClosesTheKey) {
    HKEY raw = nullptr;
    {
        UniqueHKey key;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.put()), ERROR_SUCCESS);
        raw = key.get();
        EXPECT_EQ(RegQueryInfoKeyA(raw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
    }
    EXPECT_EQ(RegQueryInfoKeyA(raw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr),
              ERROR_INVALID_HANDLE);
}

TEST(UniqueHFont, DeletesTheFont) {
    HFONT raw = nullptr;
    LOGFONTA lf = {};
    {
        UniqueHFont font(CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial"));
        raw = font.get();
        ASSERT_TRUE(font);
        EXPECT_NE(GetObjectA(raw, sizeof lf, &lf), 0);
    }
    EXPECT_EQ(GetObjectA(raw, sizeof lf, &lf), 0);
}

TEST(UniquePidl, OwnsAShellItemList) {
    UniquePidl pidl;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, pidl.put()), S_OK);
    ASSERT_TRUE(pidl);
    char path[MAX_PATH] = {};
    EXPECT_TRUE(SHGetPathFromIDListA(pidl.get(), path));
    UniquePidl other(std::move(pidl));
    EXPECT_FALSE(pidl);
    EXPECT_TRUE(other);
}

TEST(UniqueHModule, FreesTheLibrary) {
    // A library loaded only by this owner is unloaded with it.
    HMODULE raw = nullptr;
    {
        UniqueHModule lib(LoadLibraryA("msacm32.dll"));
        ASSERT_TRUE(lib);
        raw = lib.get();
        EXPECT_EQ(GetModuleHandleA("msacm32.dll"), raw);
    }
    EXPECT_EQ(GetModuleHandleA("msacm32.dll"), nullptr);
}

}  // namespace
}  // namespace quen::win
