// Tests of the patch options' checks: registry values and lists, picture and icon rules, preview.
#include <gtest/gtest.h>

#include "options/OptionFiles.h"
#include "options/PreviewModel.h"
#include "options/RegistryLists.h"

namespace quen {
namespace {

TEST(RegValueCheck, BoundariesOfBinaryAndNumberValues) {
    struct Case {
        RegValueType type;
        const char* value;
        const char* stored;  // nullptr: refused
    } cases[] = {
        {RegValueType::Bin, "255,256,-255", "255,256,-255"}, {RegValueType::Bin, "257", nullptr},
        {RegValueType::Bin, "-256", nullptr}, {RegValueType::Bin, "1,,2", nullptr}, {RegValueType::Bin, "", nullptr},
        {RegValueType::Bin, "1,", nullptr}, {RegValueType::Bin, " &H10 , 2", " &H10 , 2"}, {RegValueType::Bin, "&H101", nullptr},
        {RegValueType::Bin, "&HFFFFFFFF", "&HFFFFFFFF"},  // the pattern of -1
        {RegValueType::Bin, "1.5,2.5,256.5", "2,2,256"},  // halves to the even neighbour
        {RegValueType::Bin, "256.51", nullptr}, {RegValueType::Bin, "-255.5", nullptr}, {RegValueType::Bin, "1e2", nullptr},
        {RegValueType::Dword, "&H123456789", nullptr},     // nine digits
        {RegValueType::Dword, " &H0000000A ", " &H0000000A "},  // ten characters once trimmed
        {RegValueType::Dword, "&HFFFFFFFF", "&HFFFFFFFF"}, {RegValueType::Dword, "4294967295", nullptr},
        {RegValueType::Dword, "2147483647", "2147483647"}, {RegValueType::Dword, "-2147483648", "-2147483648"},
        {RegValueType::Dword, "2147483648", nullptr}, {RegValueType::Dword, "2147483646.5", "2147483646"},
        {RegValueType::Dword, "abc", nullptr}, {RegValueType::Dword, "", nullptr},
        {RegValueType::Str, "", ""}, {RegValueType::Str, "any, text", "any, text"},
    };
    for (const Case& c : cases) {
        const auto got = CheckRegValue(c.type, c.value);
        if (c.stored) EXPECT_EQ(got.value_or("<refused>"), c.stored) << c.value;
        else EXPECT_FALSE(got) << c.value;
    }
}

TEST(RegistryLists, AddDeleteDuplicatesAndRetainValue) {
    PatchOptions o;
    RegistryLists lists(o, "< Retain Value >");
    EXPECT_TRUE(lists.Show(RegList::Pause));
    EXPECT_FALSE(lists.Show(RegList::Pause));
    RegEntryInput in{RegValueType::Dword, "HKCU", "Software\\Demo", "Count", "&H10"};
    RegEntryInput noSub = in, commaSub = in, commaName = in, retain = in;
    noSub.subKey = "", commaSub.subKey += ",x", commaName.valueName = "a,b", retain.value = "< Retain Value >";
    // Refused values, a duplicate and a misplaced retain token: e2e/options_windows.sh.
    EXPECT_EQ(lists.Add(noSub), RegAddResult::SubKeyEmpty);
    // A comma in either name would shift the stored fields: another value would change.
    for (const RegEntryInput& c : {commaSub, commaName}) EXPECT_EQ(lists.Add(c), RegAddResult::CommaInName);
    EXPECT_EQ(lists.Add(in), RegAddResult::Added);
    EXPECT_EQ(lists.Add(retain), RegAddResult::Added);  // any type may keep its value when paused
    EXPECT_EQ(o.OffKey, (std::vector<std::string>{"DWORD,HKCU,Software\\Demo,Count,&H10",
                                                  "DWORD,HKCU,Software\\Demo,Count,%RetainValue%"}));
    EXPECT_EQ(lists.rows().back(), "DWORD,HKCU,Software\\Demo,Count,< Retain Value >");
    EXPECT_FALSE(lists.RetainMisplaced(retain.value));

    lists.Show(RegList::Add);
    EXPECT_TRUE(lists.rows().empty());
    EXPECT_TRUE(lists.RetainMisplaced(retain.value));
    EXPECT_EQ(lists.Add(in), RegAddResult::Added);  // the same entry in another list
    EXPECT_FALSE(lists.Delete(2));
    EXPECT_TRUE(lists.Delete(1));
    EXPECT_TRUE(o.AddKey.empty());

    lists.Show(RegList::Pause);
    EXPECT_EQ(lists.rows(), o.OffKey);  // shown again: the stored token
    EXPECT_TRUE(lists.Delete(1));
    EXPECT_EQ(o.OffKey, std::vector<std::string>{"DWORD,HKCU,Software\\Demo,Count,%RetainValue%"});
}

TEST(OptionFiles, PathFormsAndPictureKinds) {
    EXPECT_EQ(ResolveOptionPath("C:\\p\\a.bmp", "D:\\Prog"), "C:\\p\\a.bmp");
    EXPECT_EQ(ResolveOptionPath(".\\pics\\a.bmp", "D:\\Prog"), "D:\\Prog\\pics\\a.bmp");
    for (const char* missing : {"pics\\a.bmp", "\\a.bmp", "C:a.bmp", ""}) EXPECT_EQ(ResolveOptionPath(missing, "D:\\P"), "");
    for (const char* ok : {"a.bmp", "a.JPEG", "x.y.jpg", "a.Gif", "a.wmf", "a.emf", "a.rle"}) EXPECT_TRUE(IsPictureFileName(ok));
    for (const char* no : {"a.png", "bmp", "a.bmp.txt", "a."}) EXPECT_FALSE(IsPictureFileName(no));
    EXPECT_EQ(OneLine("a\r\nb\n"), "ab");
}

// The welcome window's caption and text as a person sees them: e2e/options_windows.sh.
TEST(PreviewModel, ShowsTheRuntimeWindowOfEachKind) {
    PatchOptions o;
    o.WelcomText = "one\r\ntwo\\nthree", o.EndTitle = "Done", o.PictureFile = ".\\pic.bmp";
    runtime::ShowModel w = PreviewModel(o, kPreviewWelcome, "C:\\Prog");
    EXPECT_EQ(w.text, "one\r\ntwo\r\nthree");
    EXPECT_EQ(w.picture, "");  // the picture test has not passed
    EXPECT_TRUE(w.showCancel);
    o.ShowPicture = true;
    o.PatchFileTitle = "";
    runtime::ShowModel e = PreviewModel(o, kPreviewEnd, "C:\\Prog");
    EXPECT_EQ(e.caption, "Done");
    EXPECT_EQ(e.picture, "C:\\Prog\\pic.bmp");
    EXPECT_FALSE(e.showCancel);
    EXPECT_FALSE(e.showPrompt);
}

}  // namespace
}  // namespace quen
