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

TEST(ErrorReportBox, GermanTextsReachTheBoxInTheAnsiCodePage) {
    Lang lang;
    lang.SetLanguage("German");
    lang.ReadLang(QUEN_ASSETS);
    ASSERT_EQ(lang.Language(), "German");
    const auto seen = test::WatchDialogs([&] {
        try {
            throw Error(kErrFileAlreadyOpen, "locked");
        } catch (...) {
            ReportError(lang, "Main-cmdOpen", std::current_exception());
        }
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Fehler");
    EXPECT_EQ(seen[0].text,
              "Die Datei ist schon ge\xF6" "ffnet!\r\n\r\nFehlernummer :  55\r\nErrModal : Main-cmdOpen");
    EXPECT_EQ(seen[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(seen[0].pressed);
}

}  // namespace
}  // namespace quen
