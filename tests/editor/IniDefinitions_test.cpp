// The INI dialog's definition list: delete text, duplicates, renumbering.
#include <gtest/gtest.h>

#include "editor/IniDefinitions.h"

namespace quen {
namespace {

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
