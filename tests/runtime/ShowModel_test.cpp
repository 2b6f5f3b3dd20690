// What the runtime window shows in each mode: captions, texts, buttons, font.
#include <gtest/gtest.h>

#include "runtime/ShowModel.h"

using namespace quen::runtime;

namespace {

ScriptTexts Texts() {
    ScriptTexts t;
    t.patchFileTitle = "Fix";
    t.welcomeTitle = "Hi";
    t.welcomeText = "line1\\nline2\\Nline3";
    t.infoTitle = "Info";
    t.infoText = "i";
    t.endTitle = "Bye";
    t.endText = "done";
    t.brokenWarn = "some broke";
    t.errorTitle = "ERR";
    t.patchFail = "failed";
    t.onPatch = "Working";
    t.prompt = "Go on\\n?";
    t.okButton = "Ja";
    t.cancelButton = "Nein";
    t.aboutButton = "Info...";
    t.font = "Tahoma ";
    t.fontSize = "12";
    return t;
}

}  // namespace

TEST(ShowModel, WelcomeAndInformationCarryTheirTextsAndButtons) {
    ShowModel w = BuildShowModel(WindowMode::Welcome, Texts(), 0);
    EXPECT_EQ(w.caption, "Fix - Hi");
    EXPECT_EQ(w.text, "line1\r\nline2\r\nline3");
    EXPECT_EQ(w.prompt, "Go on\r\n?");
    EXPECT_EQ(w.okButton, "Ja");
    EXPECT_EQ(w.cancelButton, "Nein");
    EXPECT_EQ(w.aboutButton, "Info...");
    EXPECT_TRUE(w.showOk && w.showCancel && w.showPrompt);
    EXPECT_EQ(w.fontName, "Tahoma");
    EXPECT_EQ(w.fontSize, 12);
    ShowModel i = BuildShowModel(WindowMode::Information, Texts(), 0);
    EXPECT_EQ(i.caption, "Fix - Info");
    EXPECT_EQ(i.text, "i");
}

TEST(ShowModel, EndWindowByErrorState) {
    ShowModel ok = BuildShowModel(WindowMode::End, Texts(), 0);
    EXPECT_EQ(ok.caption, "Fix - Bye");
    EXPECT_EQ(ok.text, "done");
    EXPECT_FALSE(ok.showCancel);
    EXPECT_FALSE(ok.showPrompt);
    EXPECT_TRUE(ok.showAbout);
    EXPECT_TRUE(ok.showOk);
    ShowModel skipped = BuildShowModel(WindowMode::End, Texts(), 1);
    EXPECT_EQ(skipped.caption, "Fix - Bye");
    EXPECT_EQ(skipped.text, "done\r\n\r\nsome broke");
    ShowModel stopped = BuildShowModel(WindowMode::End, Texts(), 2);
    EXPECT_EQ(stopped.caption, "Fix - ERR");
    EXPECT_EQ(stopped.text, "failed");
}

TEST(ShowModel, ProgressIsBusyWithoutButtonsUntilFinished) {
    ShowModel p = BuildShowModel(WindowMode::Progress, Texts(), 0);
    EXPECT_EQ(p.caption, "Fix - Working");
    EXPECT_EQ(p.text, "");
    EXPECT_TRUE(p.busy);
    EXPECT_FALSE(p.showOk || p.showCancel || p.showPrompt);
    ShowModel f = FinishedProgressModel(Texts());
    EXPECT_FALSE(f.busy);
    EXPECT_TRUE(f.showOk && f.showPrompt);
    EXPECT_FALSE(f.showCancel);
}

TEST(ShowModel, EmptyPatchTitleHasNoPrefixAndBadFontSizeIsIgnored) {
    ScriptTexts t = Texts();
    t.patchFileTitle = "";
    t.fontSize = "big";
    ShowModel w = BuildShowModel(WindowMode::Welcome, t, 0);
    EXPECT_EQ(w.caption, "Hi");
    EXPECT_EQ(w.fontSize, 0);
    t.fontSize = "-3";
    EXPECT_EQ(BuildShowModel(WindowMode::Welcome, t, 0).fontSize, 0);
}
