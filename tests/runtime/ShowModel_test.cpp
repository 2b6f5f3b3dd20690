// What the runtime window shows in each mode: captions, texts, buttons, font.
#include <gtest/gtest.h>

#include "runtime/ShowModel.h"

using namespace quen::runtime;

namespace {

ScriptTexts Texts() {
    ScriptTexts t;
    t.patchFileTitle = "Fix", t.welcomeTitle = "Hi", t.welcomeText = "line1\\nline2\\Nline3";
    t.infoTitle = "Info", t.infoText = "i", t.endTitle = "Bye", t.endText = "done", t.brokenWarn = "some broke";
    t.errorTitle = "ERR", t.patchFail = "failed", t.onPatch = "Working", t.prompt = "Go on\\n?";
    t.okButton = "Ja", t.cancelButton = "Nein", t.aboutButton = "Info...", t.font = "Tahoma ", t.fontSize = "12";
    return t;
}

}  // namespace

// The buttons as one word: O(k), C(ancel), A(bout), P(rompt), B(usy); '-' where hidden.
std::string Shown(const ShowModel& m) {
    return std::string(m.showOk ? "O" : "-") + (m.showCancel ? "C" : "-") + (m.showAbout ? "A" : "-") +
           (m.showPrompt ? "P" : "-") + (m.busy ? "B" : "-");
}

TEST(ShowModel, CaptionTextAndButtonsOfEachMode) {
    const struct {
        WindowMode mode;
        int errorState;
        const char* caption;
        const char* text;
        const char* shown;
    } kCases[] = {
        {WindowMode::Welcome, 0, "Fix - Hi", "line1\r\nline2\r\nline3", "OCAP-"},
        {WindowMode::Information, 0, "Fix - Info", "i", "OCAP-"},
        {WindowMode::End, 0, "Fix - Bye", "done", "O-A--"},
        {WindowMode::End, 1, "Fix - Bye", "done\r\n\r\nsome broke", "O-A--"},
        {WindowMode::End, 2, "Fix - ERR", "failed", "O-A--"},
        {WindowMode::Progress, 0, "Fix - Working", "", "--A-B"},
    };
    for (const auto& c : kCases) {
        const ShowModel m = BuildShowModel(c.mode, Texts(), c.errorState);
        EXPECT_EQ(m.caption, c.caption);
        EXPECT_EQ(m.text, c.text) << c.caption;
        EXPECT_EQ(Shown(m), c.shown) << c.caption;
    }
    EXPECT_EQ(Shown(FinishedProgressModel(Texts())), "O-AP-");
    const ShowModel w = BuildShowModel(WindowMode::Welcome, Texts(), 0);
    EXPECT_EQ(w.prompt + "|" + w.okButton + "|" + w.cancelButton + "|" + w.aboutButton, "Go on\r\n?|Ja|Nein|Info...");
    EXPECT_EQ(w.fontName, "Tahoma");
    EXPECT_EQ(w.fontSize, 12);
    // An empty patch title gives no prefix; a font size that is no positive number is ignored.
    ScriptTexts t = Texts();
    t.patchFileTitle = "";
    t.fontSize = "big";
    EXPECT_EQ(BuildShowModel(WindowMode::Welcome, t, 0).caption, "Hi");
    for (const char* size : {"big", "-3"}) {
        t.fontSize = size;
        EXPECT_EQ(BuildShowModel(WindowMode::Welcome, t, 0).fontSize, 0) << size;
    }
}
