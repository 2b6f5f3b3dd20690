// The handle owner: closes exactly once, moves hand ownership on, release() keeps it open,
// and neither "no handle" value is closed.
#include "win/Handles.h"

#include <gtest/gtest.h>

#include <utility>

namespace quen::win {
namespace {

bool HandleIsOpen(HANDLE h) {
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

TEST(UniqueHandle, ClosesOnceAtTheEndOfItsLastOwner) {
    HANDLE raw = nullptr;
    {
        UniqueHandle a(NewEvent());
        raw = a.get();
        UniqueHandle b(std::move(a));
        EXPECT_FALSE(a);
        UniqueHandle c;
        c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_EQ(c.get(), raw);
        EXPECT_TRUE(HandleIsOpen(raw));
    }
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

}  // namespace
}  // namespace quen::win
