// One-line boxes: typed line breaks and filtered keys are dropped, a paste is cut at its
// first line break and filtered like typing.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/win/EditorDialog.h"

namespace quen::editor::win {
namespace {

void SetClipboard(HWND owner, const char* text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(GlobalLock(data), text, std::strlen(text) + 1);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
}

TEST(OneLineBox, TypedAndPasted) {
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 200, 20, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    MakeOneLineBox(edit, [](unsigned c) { return c != ','; });
    for (char c : std::string("a,b\rc\n")) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    SetClipboard(edit, "x,y\r\nsecond line");
    SendMessageA(edit, WM_PASTE, 0, 0);
    char text[64] = "";
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "abcxy");
    DestroyWindow(edit);
}

}  // namespace
}  // namespace quen::editor::win
