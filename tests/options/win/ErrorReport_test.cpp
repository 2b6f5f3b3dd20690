// The error report as a person sees it: a real message box, read and closed with OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/Errors.h"
#include "options/ErrorModule.h"
#include "options/Lang.h"
#include "win/DialogWatcher.h"

namespace quen {
namespace {

using test::DialogWatcher;

std::string AssetsFolder() {
    std::string repo = QUEN_TEST_DATA;
    repo.resize(repo.size() - std::string("/tests/data").size());
    return repo + "/assets";
}

struct IconSearch {
    HICON wanted;
    bool found;
};

BOOL CALLBACK FindIcon(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<IconSearch*>(param);
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == search->wanted) {
        search->found = true;
    }
    return TRUE;
}

// The watcher reads texts only; the icon is checked on the box while it is open.
bool ShowsExclamationIcon() {
    for (int i = 0; i < 200; ++i) {
        if (HWND box = FindWindowA("#32770", "Error")) {
            IconSearch search{LoadIcon(nullptr, IDI_EXCLAMATION), false};
            EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&search));
            return search.found;
        }
        Sleep(10);
    }
    return false;
}

TEST(ErrorReportBox, ShowsTheReportWithTitleAndOkButton) {
    const Lang lang;
    DialogWatcher watcher;
    ReportError(lang, "Main-cmdSave", kErrTypeMismatch);
    const auto seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Error");
    EXPECT_EQ(seen[0].messageText, "Unknow Error!\r\n\r\nError Number :  13\r\nErrModal : Main-cmdSave");
    EXPECT_EQ(seen[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(seen[0].pressed);
}

// Thread entry (stdcall on 32-bit Windows, so no lambda).
DWORD WINAPI ProbeIcon(LPVOID out) {
    *static_cast<bool*>(out) = ShowsExclamationIcon();
    return 0;
}

TEST(ErrorReportBox, CarriesTheExclamationIcon) {
    const Lang lang;
    DialogWatcher watcher;
    bool exclamation = false;
    HANDLE probe = CreateThread(nullptr, 0, ProbeIcon, &exclamation, 0, nullptr);
    ReportError(lang, "", kErrFileNotFound);
    WaitForSingleObject(probe, 5000);
    CloseHandle(probe);
    ASSERT_EQ(watcher.Finish().size(), 1u);
    EXPECT_TRUE(exclamation);
}

TEST(ErrorReportBox, GermanTextsReachTheBoxInTheAnsiCodePage) {
    Lang lang;
    lang.SetLanguage("German");
    lang.ReadLang(AssetsFolder());
    ASSERT_EQ(lang.Language(), "German");
    DialogWatcher watcher;
    try {
        throw Error(kErrFileAlreadyOpen, "locked");
    } catch (...) {
        ReportError(lang, "Main-cmdOpen", std::current_exception());
    }
    const auto seen = watcher.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Fehler");
    EXPECT_EQ(seen[0].messageText,
              "Die Datei ist schon ge\xF6" "ffnet!\r\n\r\nFehlernummer :  55\r\nErrModal : Main-cmdOpen");
}

}  // namespace
}  // namespace quen
