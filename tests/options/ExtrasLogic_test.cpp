// Tests of the program options' decisions, the CD extras and the test dialog's file tasks.
#include <gtest/gtest.h>

#include <map>

#include "options/CdExtra.h"
#include "options/ProgramOptions.h"
#include "options/RleFileTest.h"
#include "support/TempDir.h"

namespace quen {
namespace {

TEST(CdExtra, DriveCodeAndTheFirstMatchingDrive) {
    EXPECT_EQ(DriveCode(0x5155454Eu), 0);
    EXPECT_EQ(DriveCode(0x5155454Fu), 1);
    EXPECT_EQ(DriveCode(0x5155454Eu ^ 0x80000000u), INT32_MIN);
    std::map<std::pair<std::string, std::string>, std::string> ini = {
        {{"CDExtra", "CD_COUNT"}, "2"}, {{"CD1", "CD_ID"}, "7"}, {{"CD2", "CD_ID"}, "5"}, {{"CD2", "MPEG_COUNT"}, "x"}};
    auto read = [&](const std::string& s, const std::string& k) { return ini.count({s, k}) ? ini[{s, k}] : ""; };
    auto code = [](uint32_t c) { return c ^ DriveCodeMask(); };
    // C: is no CD drive, D: holds no disc.
    std::vector<DriveInfo> drives = {
        {"C:", 3, code(5)}, {"D:", 5, std::nullopt}, {"E:", 5, code(9)}, {"F:", 5, code(5)}, {"G:", 5, code(7)}};
    auto found = FindProgramCd(drives, read);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->drive, "F:");
    EXPECT_EQ(found->section, "CD2");
    EXPECT_EQ(found->mpegCount, 0);
    ini[{"CDExtra", "CD_COUNT"}] = "";
    EXPECT_FALSE(FindProgramCd(drives, read));
}

TEST(CdExtra, TracksWrapAndLabels) {
    auto table = BuildTrackTable({2000, 65000, 130000}, 4000, {"One", "Two"});
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].end, 65000);
    EXPECT_EQ(table[2].end, 134000);
    EXPECT_EQ(table[1].name, "Two");
    EXPECT_EQ(table[2].name, "");
    TrackCursor c(3);  // a braced list calls in order
    EXPECT_EQ((std::vector<int>{c.Next(), c.Previous(), c.Next(), c.Next(), c.Next(), c.Next()}),
              (std::vector<int>{1, 3, 1, 2, 3, 1}));
    // The window title and the version label: e2e/editor.sh and e2e/options_windows.sh.
    EXPECT_EQ(RevisionLabel(3), "Revision 0003");
}

TEST(ProgramOptions, SlidersHiddenWordAndDirectiveWrites) {
    EXPECT_EQ(StepSlider(40, -kSampleStep, kSampleMin, kSampleMax), 32);
    EXPECT_EQ(StepSlider(500, kSampleStep, kSampleMin, kSampleMax), 512);
    EXPECT_EQ(StepSlider(7, 1, kLevelMin, kLevelMax), 7);

    HiddenPageWord w;
    auto type = [&](const std::string& keys, bool cdPage) {
        bool revealed = false;
        for (char k : keys) revealed = w.Feed(k, cdPage) || revealed;
        return revealed;
    };
    EXPECT_FALSE(type("opentools", false));
    EXPECT_FALSE(type("openXopentool", true));
    EXPECT_FALSE(type("s", false));  // another page breaks the word
    EXPECT_TRUE(type("oopentools", true));
    EXPECT_FALSE(type("opentools", true));  // once only

    ProgramOptionsForm form;
    form.atOpen.compressionType = -1;
    form.levelRead = 7;
    // type, level: nullptr when not written.
    const struct { int typeAtOpen, typeNow, levelNow; const char *type, *level; } cases[] = {
        {1, 1, 7, nullptr, nullptr}, {0, 1, 7, "LZX", nullptr}, {1, 0, 3, "MSZIP", "3"},
        {-1, 0, 7, "MSZIP", nullptr}, {-1, -1, 7, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        form.atOpen.compressionType = c.typeAtOpen;
        ProgramOptionValues now = form.atOpen;
        now.compressionType = c.typeNow;
        now.compressionLevel = c.levelNow;
        DirectiveWrites d = DecideDirectiveWrites(form, now);
        EXPECT_EQ(d.type.value_or("-"), c.type ? c.type : "-");
        EXPECT_EQ(d.level.value_or("-"), c.level ? c.level : "-");
    }
    EXPECT_EQ(TemplateMissingText("Can't find %1 (%1)!", "A.tpl"), "Can't find A.tpl (%1)!");
}

TEST(ProgramOptions, LanguagesOfferedByIdInTheCurrentLanguage) {
    std::map<std::string, std::string> german = {{"ID", "LanguageFile"}, {"Lang_Name", "German"}, {"EnglishName", "German (Deutsch)"}};
    auto read = [](std::map<std::string, std::string>& m) {
        return [&m](const std::string& k) -> std::optional<std::string> { return m.count(k) ? m[k] : ""; };
    };
    EXPECT_EQ(OfferLanguage("G.lng", "English", read(german))->shown, "German (Deutsch)");
    EXPECT_EQ(OfferLanguage("G.lng", "French", read(german))->shown, "German");
    german["ID"] = "languagefile";
    EXPECT_FALSE(OfferLanguage("G.lng", "English", read(german)));
}

// The round trip and the packed form are the e2e run's (against QuenDiff rle-pack).
TEST(RleFileTest, RefusedFilesWriteNothing) {
    test::TempDir dir;
    test::WriteFileBytes(dir.Path("cut.dat"), std::string("\x09\0\0\0\0\x08" "A", 7));
    EXPECT_ANY_THROW(RleUnpackFile(dir.Path("cut.dat")));
    EXPECT_FALSE(test::PathExists(dir.Path("cut.dat.DeDat")));
    EXPECT_ANY_THROW(RlePackFile(dir.Path("missing")));
}

}  // namespace
}  // namespace quen
