// Tests of templates: golden file, refused files, stale list keys, numbers (round trips: templet_fuzz).
#include <gtest/gtest.h>

#include "base/Errors.h"
#include "options/Templet.h"
#include "options/TempletInteger.h"
#include "project/SampleProjects.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen {
namespace {

const std::string kData = std::string(QUEN_TEST_DATA) + "/templet/";

PatchOptions OneAddKeyOptions() {
    PatchOptions o = test::SampleOptions();
    o.ContinueWhenError = 0, o.EndText = "All done.", o.OffKey.clear(), o.strSuccess = "Done";
    o.AddKey = {"STR,HKCU,Software\\Demo,Version,2.0"}, o.WelcomText = "First line\r\nSecond line";
    return o;
}

TEST(TempletGolden, WrittenAndReadBack) {
    test::TempDir dir;
    SaveTemplet(dir.Path("t.tpl"), OneAddKeyOptions());
    EXPECT_EQ(test::ReadFileBytes(dir.Path("t.tpl")), test::ReadFileBytes(kData + "one_addkey.tpl"));
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
    o.FirstReBoot = 3, o.InterFaceFont_Size = -32768, o.ShowInfoWindow = 32767;
    o.PatchIconFile = "C:\\icons\\p.ico", o.OKButton = " lead and trail ";
    return o;
}

TEST(TempletSave, WindowTextsStoreEveryLineBreakOtherTextsWithOneAreRefusedWholesale) {
    test::TempDir dir;
    const std::string path = dir.Path("t.tpl");
    PatchOptions o;
    o.WelcomText = "a\rb";
    o.InfoText = "a\nb";
    o.EndText = "a\r\nb";
    o.EndTitle = "C:\\new";  // "\n" typed in a one-line text stays as typed
    SaveTemplet(path, o);
    PatchOptions back;
    ASSERT_EQ(ReadTemplet(path, back), TempletStatus::Loaded);
    EXPECT_EQ(back.WelcomText + back.InfoText + back.EndText + back.EndTitle, "a\r\nba\r\nba\r\nbC:\\new");
    // The last key is refused: nothing before it may have reached the file either.
    const std::string before = test::ReadFileBytes(path);
    o.WelcomTitle = "changed";
    o.strSuccess = "Done\n";
    EXPECT_THROW(SaveTemplet(path, o), Error);
    EXPECT_EQ(test::ReadFileBytes(path), before);
    EXPECT_THROW(SaveTemplet(dir.Path("missing\\t.tpl"), PatchOptions{}), Error);
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
    EXPECT_NE(test::ReadFileBytes(path).find("5=5"), std::string::npos);
    PatchOptions back;
    ReadTemplet(path, back);
    EXPECT_EQ(back.OffKey, two.OffKey);
}

// The golden template with one line replaced (or removed when `to` is empty).
std::string GoldenWith(const std::string& from, const std::string& to) {
    std::string text = test::ReadFileBytes(kData + "one_addkey.tpl");
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    size_t len = from.size();
    if (to.empty() && text.compare(at + len, 2, "\r\n") == 0) len += 2;
    return text.replace(at, len, to);
}

// A refused template changes nothing; a wrong identification is no error, a bad line is.
TEST(TempletRefused, WrongFilesAndBadLines) {
    const std::string id = "QuenlarkTempletFileID=Quenlark Templet";
    std::vector<std::tuple<std::string, std::string, int>> cases = {  // from, to, error (0: wrong file)
        {id, "QuenlarkTempletFileID=quenlark templet", 0}, {id, "QuenlarkTempletFileID=Quenlark Templet ", 0},
        {id, "QuenlarkTempletFileID=Quenlark Template", 0}, {id, "QuenlarkTempletFileID=", 0}, {id, "", 0},
        {"AddKeyCount=1", "AddKeyCount=40000", kErrOverflow},
        {"InterFaceFont_Size=9", "", kErrTypeMismatch},
        {"EndReboot=2", "EndReboot=4", kErrOverflow}, {"FirstReBoot=0", "FirstReBoot=-1", kErrOverflow}};
    test::TempDir dir;
    const std::string path = dir.Path("t.tpl");
    for (const auto& [from, to, error] : cases) {
        test::WriteFileBytes(path, GoldenWith(from, to));
        PatchOptions o = EveryField();
        TempletStatus status = TempletStatus::Loaded;
        EXPECT_EQ(test::RaisedBy([&] { status = ReadTemplet(path, o); }).number, error) << to;
        EXPECT_EQ(status == TempletStatus::WrongFile, error == 0) << to;
        EXPECT_EQ(o, EveryField()) << to;
    }
    PatchOptions o = EveryField();
    test::WriteFileBytes(path, "\"Dravin Project File V1.0\"\r\n");  // a project file is no template
    EXPECT_EQ(ReadTemplet(path, o), TempletStatus::WrongFile);
    EXPECT_EQ(test::RaisedBy([&] { ReadTemplet(dir.Path("none.tpl"), o); }).number, kErrFileNotFound);
    EXPECT_EQ(o, EveryField());
}

TEST(TempletLoad, AbsentListKeyIsAnEmptyEntryNegativeCountAnEmptyList) {
    test::TempDir dir;
    const std::string path = dir.Path("t.tpl");
    test::WriteFileBytes(path, GoldenWith("1=STR,HKCU,Software\\Demo,Version,2.0", ""));
    PatchOptions o = EveryField();
    ASSERT_EQ(ReadTemplet(path, o), TempletStatus::Loaded);
    EXPECT_EQ(o.AddKey, std::vector<std::string>{""});
    test::WriteFileBytes(path, GoldenWith("AddKeyCount=1", "AddKeyCount=-4"));
    ASSERT_EQ(ReadTemplet(path, o), TempletStatus::Loaded);
    EXPECT_TRUE(o.AddKey.empty());
}

// Decimal with sign and blanks, fractions rounding half to even, hexadecimal 16- and
// 32-bit patterns, and the limits.
TEST(TempletInteger, Table) {
    const std::pair<const char*, int> values[] = {
        {"0", 0}, {"  12  ", 12}, {"+7", 7}, {"-7", -7}, {"007", 7}, {"32767", 32767}, {"-32768", -32768},
        {"2.5", 2}, {"3.5", 4}, {"2.51", 3}, {"2.500001", 3}, {"2.49999", 2}, {"-0.5", 0}, {"-1.5", -2},
        {".5", 0}, {"1.", 1}, {"-32768.5", -32768}, {"32766.5", 32766},
        {"&H10", 16}, {"&h1f", 31}, {" &H7FFF ", 32767}, {"&H8000", -32768}, {"&HFFFF", -1},
        {"&HFFFFFFFF", -1}, {"&HFFFF8000", -32768}, {"&H0FFF", 4095}};
    for (const auto& [text, value] : values) EXPECT_EQ(TempletInteger(text), value) << text;
    const std::pair<const char*, int> errors[] = {
        {"32768", kErrOverflow}, {"-32769", kErrOverflow}, {"32767.5", kErrOverflow}, {"40000", kErrOverflow},
        {"&H10000", kErrOverflow}, {"&H0000FFFF", kErrOverflow},  // eight digits: 65535, too big
        {"", kErrTypeMismatch}, {"   ", kErrTypeMismatch}, {"abc", kErrTypeMismatch}, {"1 2", kErrTypeMismatch},
        {"- 1", kErrTypeMismatch}, {"&H", kErrTypeMismatch}, {"&H123456789", kErrTypeMismatch},
        {"-&H1", kErrTypeMismatch}, {"\t1", kErrTypeMismatch}, {"1e2", kErrTypeMismatch}, {"--1", kErrTypeMismatch},
        {"1.2.3", kErrTypeMismatch}, {".", kErrTypeMismatch}};
    for (const auto& [text, error] : errors) EXPECT_EQ(test::RaisedBy([&] { TempletInteger(text); }).number, error) << text;
}

}  // namespace
}  // namespace quen
