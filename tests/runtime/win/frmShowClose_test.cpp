// The progress window stays open while the actions run: the close box and WM_CLOSE are
// refused until the run is finished, then closing counts as OK.
#include <gtest/gtest.h>

#include "runtime/win/frmShow.h"
#include "platform/win/MessagePump.h"

namespace {

using quen::runtime::ShowModel;
using quen::runtime::WindowMode;
using quen::runtime::win::FrmShow;
using quen::win::PumpPending;

ShowModel Progress(bool busy) {
    ShowModel m;
    m.mode = WindowMode::Progress;
    m.caption = m.okButton = "OK";
    m.showCancel = m.showAbout = false;
    m.showOk = m.showPrompt = !(m.busy = busy);
    return m;
}

TEST(ProgressWindow, RefusesToCloseWhileBusyThenClosesAsOk) {
    FrmShow window;
    ASSERT_TRUE(window.Open(Progress(true)));
    const HWND hwnd = window.hwnd();

    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpPending();
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    const UINT state = GetMenuState(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
    EXPECT_TRUE(state & MF_GRAYED) << "close box greyed while busy";

    window.Apply(Progress(false));
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(window.Wait()) << "closing the finished log is no Cancel";
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

}  // namespace
