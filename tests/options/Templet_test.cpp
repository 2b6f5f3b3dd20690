// Tests of templates: golden file, round trip, refused files, stale list keys.
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "options/Templet.h"
#include "project/SampleProjects.h"
#include "startup/AppINI.h"
#include "support/TempDir.h"

namespace quen {
namespace {

const std::string kData = std::string(QUEN_TEST_DATA) + "/templet/";

PatchOptions OneAddKeyOptions() {
    PatchOptions o = test::SampleOptions();
    o.ContinueWhenError = 0;
    o.EndText = "All done.";
    o.OffKey.clear();
    o.AddKey = {"STR,HKCU,Software\\Demo,Version,2.0"};
    o.WelcomText = "First line\r\nSecond line";
    o.strSuccess = "Done";
    return o;
}

TEST(TempletGolden, NewTemplateWithOneAddKeyEntry) {
    test::TempDir dir;
    const std::string path = dir.Path("t.tpl");
    SaveTemplet(path, OneAddKeyOptions());
    EXPECT_EQ(test::ReadFileBytes(path), test::ReadFileBytes(kData + "one_addkey.tpl"));
}

TEST(TempletGolden, HandWrittenTemplateReadsBack) {
    PatchOptions o;
    o.ShowPicture = true;
    ASSERT_EQ(ReadTemplet(kData + "one_addkey.tpl", o), TempletStatus::Loaded);
    PatchOptions expected = OneAddKeyOptions();
    expected.ShowPicture = true;  // not stored: keeps its value
    EXPECT_EQ(o, expected);
}

PatchOptions EveryField() {
    PatchOptions o = test::SampleOptions();
    o.InfoText = "a\r\n\r\nb \"quoted\" = c";
    o.DelKey = {"STR,HKCU,A,B", "DWORD,HKLM,C,D,&HFFFF"};
    o.OffKey = {"BIN,HKCU,S,N,1,2,3", "", "STR,HKCU,S,N,%RetainValue%"};
    o.FirstReBoot = 3;
    o.InterFaceFont_Size = -32768;
    o.ShowInfoWindow = 32767;
    o.PatchIconFile = "C:\\icons\\p.ico";
    o.OKButton = " lead and trail ";
    return o;
}

TEST(TempletRoundTrip, EveryFieldButShowPictureSurvives) {
    test::TempDir dir;
    const std::string path = dir.Path("every.tpl");
    PatchOptions saved = EveryField();
    saved.ShowPicture = true;
    SaveTemplet(path, saved);
    PatchOptions back;
    ASSERT_EQ(ReadTemplet(path, back), TempletStatus::Loaded);
    EXPECT_FALSE(back.ShowPicture);
    back.ShowPicture = true;
    EXPECT_EQ(back, saved);
}

TEST(TempletRoundTrip, BackslashNInAWindowTextComesBackAsALineBreak) {
    test::TempDir dir;
    PatchOptions o;
    o.EndText = "C:\\new";
    o.EndTitle = "C:\\new";
    SaveTemplet(dir.Path("t.tpl"), o);
    PatchOptions back;
    ReadTemplet(dir.Path("t.tpl"), back);
    EXPECT_EQ(back.EndText, "C:\r\new");
    EXPECT_EQ(back.EndTitle, "C:\\new");
}

TEST(TempletSave, WindowTextsStoreEveryLineBreakOtherTextsWithOneAreRefusedWholesale) {
    test::TempDir dir;
    const std::string path = dir.Path("t.tpl");
    PatchOptions o;
    o.WelcomText = "a\rb";
    o.InfoText = "a\nb";
    o.EndText = "a\r\nb";
    SaveTemplet(path, o);
    PatchOptions back;
    ASSERT_EQ(ReadTemplet(path, back), TempletStatus::Loaded);
    EXPECT_EQ(back.WelcomText + back.InfoText + back.EndText, "a\r\nba\r\nba\r\nb");
    // The last key is refused: nothing before it may have reached the file either.
    const std::string before = test::ReadFileBytes(path);
    o.WelcomTitle = "changed";
    o.strSuccess = "Done\n";
    EXPECT_THROW(SaveTemplet(path, o), Error);
    EXPECT_EQ(test::ReadFileBytes(path), before);
}

TEST(TempletSave, OverwritingKeepsStaleListKeysThatAreNeverRead) {
    test::TempDir dir;
    const std::string path = dir.Path("t.tpl");
    PatchOptions five;
    five.OffKey = {"1", "2", "3", "4", "5"};
    SaveTemplet(path, five);
    PatchOptions two;
    two.OffKey = {"new 1", "new 2"};
    SaveTemplet(path, two);
    AppINI ini;
    ini.FileName = path;
    ini.Section = "OffKey";
    std::string v;
    EXPECT_TRUE(ini.ReadKey("1", v));
    EXPECT_EQ(v, "new 1");
    EXPECT_TRUE(ini.ReadKey("5", v));
    EXPECT_EQ(v, "5");
    PatchOptions back;
    ReadTemplet(path, back);
    EXPECT_EQ(back.OffKey, two.OffKey);
}

TEST(TempletSave, UnwritableFolderIsAnError) {
    test::TempDir dir;
    EXPECT_THROW(SaveTemplet(dir.Path("missing\\t.tpl"), PatchOptions{}), Error);
}

class TempletRefused : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.Path("t.tpl");
    PatchOptions before = EveryField();

    // The golden template with one line replaced (or removed when `to` is empty).
    void WriteWith(const std::string& from, const std::string& to) {
        std::string text = test::ReadFileBytes(kData + "one_addkey.tpl");
        size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        size_t len = from.size();
        if (to.empty() && text.compare(at + len, 2, "\r\n") == 0) len += 2;
        text.replace(at, len, to);
        test::WriteFileBytes(path, text);
    }
    void ExpectError(int number) {
        PatchOptions o = before;
        try {
            ReadTemplet(path, o);
            ADD_FAILURE() << "the load went through";
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), number) << e.what();
        }
        EXPECT_EQ(o, before);  // a failed load changes nothing
    }
};

TEST_F(TempletRefused, IdentificationMustMatchExactly) {
    for (const char* id : {"quenlark templet", "Quenlark Templet ", "Quenlark Template", ""}) {
        WriteWith("QuenlarkTempletFileID=Quenlark Templet", std::string("QuenlarkTempletFileID=") + id);
        PatchOptions o = before;
        EXPECT_EQ(ReadTemplet(path, o), TempletStatus::WrongFile) << id;
        EXPECT_EQ(o, before);
    }
    WriteWith("QuenlarkTempletFileID=Quenlark Templet", "");
    PatchOptions o = before;
    EXPECT_EQ(ReadTemplet(path, o), TempletStatus::WrongFile);
    // A project file is no template either.
    test::WriteFileBytes(path, "\"Dravin Project File V1.0\"\r\n");
    EXPECT_EQ(ReadTemplet(path, o), TempletStatus::WrongFile);
}

TEST_F(TempletRefused, MissingFileIsError53) {
    PatchOptions o = before;
    try {
        ReadTemplet(dir.Path("none.tpl"), o);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kErrFileNotFound);
    }
    EXPECT_EQ(o, before);
}

TEST_F(TempletRefused, CountOf40000Overflows) {
    WriteWith("AddKeyCount=1", "AddKeyCount=40000");
    ExpectError(kErrOverflow);
}

TEST_F(TempletRefused, AbsentFontSizeStopsTheLoadAndChangesNothing) {
    WriteWith("InterFaceFont_Size=9", "");
    ExpectError(kErrTypeMismatch);
}

TEST_F(TempletRefused, IntegerThatIsNotANumber) {
    for (const char* bad : {"", "one", "1 2", "&H", "&HG", "&H123456789", "1e2", "--1", "1.2.3", "."}) {
        WriteWith("MakeBackupFile=1", std::string("MakeBackupFile=") + bad);
        ExpectError(kErrTypeMismatch);
    }
}

TEST_F(TempletRefused, IntegerOutOfRange) {
    std::vector<std::pair<std::string, std::string>> cases = {{"EndReboot=2", "EndReboot=4"},
                                                              {"FirstReBoot=0", "FirstReBoot=-1"}};
    for (const char* big : {"32768", "-32769", "32767.5", "&H8000 0", "&H10000", "99999999999"}) {
        cases.push_back({"MakeBackupFile=1", std::string("MakeBackupFile=") + big});
    }
    for (const auto& [from, to] : cases) {
        WriteWith(from, to);
        PatchOptions o = before;
        EXPECT_THROW(ReadTemplet(path, o), Error) << to;
        EXPECT_EQ(o, before);
    }
}

TEST_F(TempletRefused, AbsentListKeyIsAnEmptyEntry) {
    WriteWith("1=STR,HKCU,Software\\Demo,Version,2.0", "");
    PatchOptions o = before;
    ASSERT_EQ(ReadTemplet(path, o), TempletStatus::Loaded);
    EXPECT_EQ(o.AddKey, std::vector<std::string>{""});
}

TEST_F(TempletRefused, NegativeCountIsAnEmptyList) {
    WriteWith("AddKeyCount=1", "AddKeyCount=-4");
    PatchOptions o = before;
    ASSERT_EQ(ReadTemplet(path, o), TempletStatus::Loaded);
    EXPECT_TRUE(o.AddKey.empty());
}

TEST(TempletShipped, DefaultTemplateIsCompleteEnglish) {
    PatchOptions o;
    ASSERT_EQ(ReadTemplet(std::string(QUEN_TEST_DATA) + "/../../assets/Templet/Default.tpl", o),
              TempletStatus::Loaded);
    // Every text a user or the patch's end user sees is filled in; picture and icon are
    // the author's own choice.
    for (const std::string* text :
         {&o.PatchFileTitle, &o.WelcomTitle, &o.WelcomText, &o.EndTitle, &o.EndText, &o.InfoTitle,
          &o.InfoText, &o.OKButton, &o.CANCELButton, &o.PromptText, &o.AboutButton, &o.SFD, &o.FNF,
          &o.OnPatch, &o.ERR, &o.InterFaceFont, &o.PatchFailure, &o.BrokenWarn, &o.strExecute,
          &o.strAddFile, &o.strDelFile, &o.strPatchINI, &o.strRenFile, &o.strPatchFile,
          &o.strPatchByte, &o.strSuccess}) {
        EXPECT_FALSE(text->empty());
    }
    EXPECT_GT(o.InterFaceFont_Size, 0);
    EXPECT_EQ(o.ShowWelcomeWindow, 1);
    EXPECT_EQ(o.ShowEndWindow, 1);
    EXPECT_EQ(o.FirstReBoot, 0);
    EXPECT_EQ(o.EndReboot, 0);
    EXPECT_NE(o.WelcomText.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quen
