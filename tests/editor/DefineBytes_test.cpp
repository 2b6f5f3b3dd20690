// The byte dialog's key filter, address reader and entry list; the INI dialog's list.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/DefineBytes.h"
#include "editor/IniDefinitions.h"
#include "options/Lang.h"

namespace quen {
namespace {

TEST(DefineBytes, KeyFilter) {
    struct Case { unsigned code; bool decimalAddress; bool accepted; };
    const Case cases[] = {
        {'0', true, true}, {'9', true, true}, {' ', true, true}, {8, true, true}, {13, true, true},
        {3, true, true}, {22, true, true}, {26, true, true},                    // Ctrl+C, V, Z
        {'a', false, true}, {'F', false, true}, {'f', true, false}, {'A', true, false},
        {'g', false, false}, {'G', false, false}, {'#', false, false}, {'.', false, false},
        {'.', true, false}, {'#', true, false}, {',', false, false}, {24, false, false},  // Ctrl+X
        {'/', false, false}, {':', false, false}, {'@', false, false}, {'`', false, false},
    };
    for (const Case& c : cases) EXPECT_EQ(DefineKeyAccepted(c.code, c.decimalAddress), c.accepted) << c.code;
}

TEST(DefineBytes, AddressReaderAndBaseSwitch) {
    struct Case { const char* box; bool hex; bool switching; const char* newBox; const char* address; bool min; };
    const Case cases[] = {
        {"6699", false, false, "6699", "1A2B (6699)", false},
        {"1a2b", true, false, "1A2B", "1A2B (6699)", false},
        {" 1 ", false, false, "1", "1 (1)", false},
        {"0", false, false, "1", "1 (1)", true},
        {"", true, false, "1", "1 (1)", true},
        {"2147483647", false, false, "2147483647", "7FFFFFFF (2147483647)", false},
        {"7FFFFFFF", true, false, "7FFFFFFF", "7FFFFFFF (2147483647)", false},
        {"2147483648", false, false, "2147483648", "", false},   // beyond 32 bits
        {"80000000", true, false, "80000000", "", false},
        {"FFFFFFFFFF", true, false, "FFFFFFFFFF", "", false},
        {"1A", false, false, "1A", "", false},                   // letters in decimal
        {"6699", true, true, "1A2B", "1A2B (6699)", false},      // decimal -> hexadecimal
        {"1A2B", false, true, "6699", "1A2B (6699)", false},     // hexadecimal -> decimal
        {"", false, true, "1", "1 (1)", true},
        {"80000000", false, true, "80000000", "", false},
    };
    for (const Case& c : cases) {
        const AddressRead r = c.switching ? SwitchAddressBase(c.box, c.hex) : ReadAddress(c.box, c.hex);
        EXPECT_EQ(std::tie(r.box, r.address, r.raisedToMin), std::make_tuple(std::string(c.newBox), std::string(c.address), c.min))
            << c.box;
    }
}

TEST(DefineBytes, RowsFollowTheAction) {
    Lang lang;
    ActClass action;
    action.AddByte("3", "A (10)", "00");
    bool modified = false;
    DefineRows rows(action, modified, lang);
    ASSERT_EQ(rows.Rows().size(), 1u);
    EXPECT_EQ(rows.Rows()[0].typeText, "ADDRESS");

    struct Step { DefineInput in; DefineAddOutcome outcome; const char* value; bool min; };
    const Step steps[] = {
        {{false, false, true, "4d 5a 9", "ff"}, DefineAddOutcome::Added, "4D 5A 09", false},
        {{false, true, true, "4d5a09", "FF"}, DefineAddOutcome::Added, "4D 5A 09", false},
        {{false, false, true, "4D5A09", "f f"}, DefineAddOutcome::Duplicate, "4D 5A 09", false},
        {{true, false, false, "0", "1"}, DefineAddOutcome::Added, "1", true},
        {{true, false, true, "0a", "00"}, DefineAddOutcome::Duplicate, "A", false},
        {{true, false, false, "99999999999", "1"}, DefineAddOutcome::NoAddress, "99999999999", false},
        {{false, false, true, "", "1"}, DefineAddOutcome::NeedInput, "", false},
        {{false, false, true, "1", ""}, DefineAddOutcome::NeedInput, "1", false},
    };
    for (const Step& s : steps) {
        const DefineAddResult r = rows.Add(s.in);
        EXPECT_EQ(std::tie(r.outcome, r.value, r.raisedToMin), std::make_tuple(s.outcome, std::string(s.value), s.min))
            << s.in.value;
    }
    EXPECT_TRUE(modified);
    const std::vector<ByteEntry> stored{{"3", "A (10)", "00"}, {"1", "4D 5A 09", "FF"}, {"2", "4D 5A 09", "FF"},
                                        {"3", "1 (1)", "01"}};
    EXPECT_EQ(action.Bytes(), stored);
    ASSERT_EQ(rows.Rows().size(), 4u);
    EXPECT_EQ(rows.Rows()[1].typeText, "SEARCH");
    EXPECT_EQ(rows.Rows()[2].typeText, "S-All");

    // Change rewrites a row and its entry in place; another row's twin changes nothing.
    EXPECT_EQ(rows.InputOf(3).value, "1");
    EXPECT_TRUE(rows.InputOf(3).address);
    EXPECT_EQ(rows.Change(3, {false, true, true, "4d5a09", "ff"}).outcome, DefineAddOutcome::Duplicate);
    EXPECT_EQ(rows.Change(3, {true, false, true, "1", "1"}).outcome, DefineAddOutcome::Added);  // itself: no twin
    EXPECT_EQ(rows.Change(3, {true, false, true, "1", "2"}).outcome, DefineAddOutcome::Added);
    EXPECT_EQ(rows.Rows()[3].newValue, "02");
    EXPECT_EQ(action.Bytes()[3], (ByteEntry{"3", "1 (1)", "02"}));
    EXPECT_EQ(rows.InputOf(2).searchAll, true);
    rows.Delete(1);
    rows.Delete(0);
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(std::make_pair(rows.Rows()[0].entry, rows.Rows()[1].entry), std::make_pair(1, 2));
    EXPECT_EQ(action.Bytes(), (std::vector<ByteEntry>{{"2", "4D 5A 09", "FF"}, {"3", "1 (1)", "02"}}));
}

// The INI dialog's definition list: delete text, duplicates, renumbering.
TEST(IniDefinitions, AddShowsDeleteAndRefusesDuplicates) {
    ActClass action;
    action.AddINIKey("Old,Gone,%Kill%");
    action.AddINIKey("Old,Kept,1");
    IniRows rows(action, "< Delete >");
    struct Case { const char* section; const char* key; const char* value; IniAddOutcome outcome; };
    const Case cases[] = {
        {"Options", "Path", "C:\\Game", IniAddOutcome::Added},
        {"Options", "Path", "< Delete >", IniAddOutcome::Added},
        {"Options", "Path", "C:\\Game", IniAddOutcome::Duplicate},
        {"Old", "Gone", "< Delete >", IniAddOutcome::Duplicate},  // the stored %Kill% row
        {"Options", "", "x", IniAddOutcome::EmptyName},
        {" Options", "Path ", "", IniAddOutcome::Added},          // taken as typed
    };
    for (const Case& c : cases) EXPECT_EQ(rows.Add(c.section, c.key, c.value), c.outcome) << c.section << c.key;
    const std::vector<std::string> stored{"Old,Gone,%Kill%", "Old,Kept,1", "Options,Path,C:\\Game",
                                          "Options,Path,%Kill%", " Options,Path ,"};
    EXPECT_EQ(action.INIKeys(), stored);
    std::vector<std::string> shown;
    for (const IniRow& r : rows.Rows()) shown.push_back(r.text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Old,Gone,< Delete >", "Old,Kept,1", "Options,Path,C:\\Game",
                                               "Options,Path,< Delete >", " Options,Path ,"}));

    // Change rewrites a row in place: its parts (the delete text for %Kill%), a twin refused.
    EXPECT_EQ(rows.PartsOf(0), (std::vector<std::string>{"Old", "Gone", "< Delete >"}));
    EXPECT_EQ(rows.Change(3, "Old", "Kept", "1"), IniAddOutcome::Duplicate);
    EXPECT_EQ(rows.Change(0, "Old", "Gone", "2"), IniAddOutcome::Added);
    EXPECT_EQ(rows.Change(3, "Options", "Path", "< Delete >"), IniAddOutcome::Added);  // itself: no twin
    EXPECT_EQ(action.INIKeys()[0], "Old,Gone,2");
    rows.Delete(0);
    rows.Delete(1);
    ASSERT_EQ(rows.Rows().size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rows.Rows()[static_cast<size_t>(i)].entry, i + 1);
    EXPECT_EQ(action.INIKeys(), (std::vector<std::string>{"Old,Kept,1", "Options,Path,%Kill%", " Options,Path ,"}));
    EXPECT_TRUE(IniKeyAccepted('%'));
}

}  // namespace
}  // namespace quen
