// Tests of adding files and folders, and of the add dialog's OK, on real folder trees.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/Errors.h"
#include "editor/AddActionFile.h"
#include "editor/AddDialogLogic.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace quen {
namespace {

class AddFilesTest : public ::testing::Test {
protected:
    void Tree(std::initializer_list<const char*> paths) {  // "a\\" is a folder
        for (std::string p : paths) {
            if (p.back() == '\\') ASSERT_EQ(platform::MakeDirectory(dir.Path(p.substr(0, p.size() - 1))), 0) << p;
            else test::WriteFileBytes(dir.Path(p), p);
        }
    }
    void Template(int kind, int method, const std::string& file, const std::string& newPath = "") {
        ActClass& t = project.AddTemplate;
        t.ActType = kind;
        t.AddMethod = method;
        t.FileName = method == 0 ? dir.Path(file) : "";
        t.FilePath = method == 0 ? dir.Path("old") : dir.Path(file);
        t.NewPath = newPath.empty() ? "" : dir.Path(newPath);
        t.NewName = t.NewPath;  // as the dialog leaves it for a folder
        t.DirType = "< Windows >";
    }
    // Each action as "kind file new dir", paths below the temporary folder, sorted:
    // the file system's listing order is not fixed.
    std::vector<std::string> Actions() const {
        std::vector<std::string> out;
        const auto rel = [&](const std::string& p) { return p.rfind(dir.path(), 0) == 0 ? p.substr(dir.path().size() + 1) : p; };
        for (const ActClass& a : project.Actions)
            out.push_back(std::to_string(a.ActType) + " " + rel(a.FileName) + " " + rel(a.NewName) + " " + a.DirType);
        std::sort(out.begin(), out.end());
        return out;
    }
    test::TempDir dir;
    Project project;
    DirTypeTexts texts;
};

TEST_F(AddFilesTest, PatchFolderPairsOldAndNewTrees) {
    Tree({"old\\", "old\\x.dll", "old\\y.dll", "old\\a\\", "old\\a\\f1", "old\\gone\\", "old\\gone\\g1",
          "old\\gone\\deep\\", "old\\gone\\deep\\g2", "new\\", "new\\y.dll", "new\\z.dll", "new\\a\\", "new\\a\\f1",
          "new\\a\\f2", "new\\fresh\\", "new\\fresh\\h1"});
    Template(kActPatch, 1, "old", "new");
    project.IncludeSubFolders = true;
    AddActionFiles(project, texts);
    ASSERT_EQ(project.ActionCount(), 8);
    // Files of the top folder come first; the first of them starts the patch in "< Me >".
    EXPECT_EQ(project.Action(1).DirType, "< Me >");
    project.Action(1).DirType = "< Windows >";
    EXPECT_EQ(Actions(), (std::vector<std::string>{
                             "1 new\\a\\f2 new .\\a",  // Add File keeps the template's NewName
                             "1 new\\fresh\\h1  .\\fresh",
                             "1 new\\z.dll new < Windows >",
                             "2 old\\a\\f1 new\\a\\f1 .\\a",
                             "2 old\\y.dll new\\y.dll < Windows >",
                             "4 old\\gone\\deep\\g2  .\\gone\\deep",
                             "4 old\\gone\\g1  .\\gone",
                             "4 old\\x.dll  < Windows >",
                         }));
    EXPECT_TRUE(project.Modified);
    EXPECT_EQ(project.AddTemplate.ActType, kActPatch);  // the walk restores what it borrowed
    EXPECT_EQ(project.AddTemplate.NewPath, dir.Path("new"));
}

TEST_F(AddFilesTest, FolderOfOtherKindsAndSingleFiles) {
    Tree({"old\\", "old\\p", "old\\a\\", "old\\a\\b\\", "old\\a\\b\\r"});
    Template(kActAdd, 1, "old");
    AddActionFiles(project, texts);  // no sub folders
    EXPECT_EQ(Actions(), (std::vector<std::string>{"1 old\\p  < Me >"}));
    project.IncludeSubFolders = true;
    project.Actions.clear();
    project.Actions.emplace_back();  // not empty: the first action keeps its directory
    AddActionFiles(project, texts);
    EXPECT_EQ(Actions(), (std::vector<std::string>{"0   < Previous >", "1 old\\a\\b\\r  .\\a\\b", "1 old\\p  < Windows >"}));
    EXPECT_EQ(project.AddTemplate.NewPath, "");

    project.Actions.clear();
    Template(kActByte, 0, "old\\p");
    for (int i = 0; i < 2; ++i) AddActionFiles(project, texts);  // the same file twice
    EXPECT_EQ(Actions(), (std::vector<std::string>{"3 old\\p  < Me >", "3 old\\p  < Windows >"}));

    Template(kActAdd, 1, "missing");
    EXPECT_THROW(AddActionFiles(project, texts), Error);
    EXPECT_EQ(project.ActionCount(), 2);
}

// A drop adds as the dialog with the kind it offers, a folder with its sub folders; the
// dialog's choices stay.
TEST_F(AddFilesTest, DroppedPaths) {
    Tree({"old\\", "old\\a.dll", "old\\s\\", "old\\s\\b.dll"});
    Template(kActPatch, 0, "old\\a.dll", "new");
    const struct { int offered; const char* path; AddRefusal want; } drops[] = {
        {kActPatch, "old\\a.dll", AddRefusal::None},  // no new version: Add File
        {kActReName, "old", AddRefusal::None},
        {kActByte, "old\\s\\b.dll", AddRefusal::None},
        {kActByte, "nothing", AddRefusal::FileNotFind},
    };
    for (const auto& d : drops) {
        project.AddTemplate.ActType = d.offered;
        EXPECT_EQ(AddDroppedPath(dir.Path(d.path), project, texts), d.want) << d.path;
        EXPECT_EQ(project.AddTemplate.ActType, d.offered);
    }
    EXPECT_EQ(Actions(), (std::vector<std::string>{"1 old\\a.dll  < Me >", "1 old\\a.dll  < Windows >",
                                                   "1 old\\s\\b.dll  .\\s", "3 old\\s\\b.dll  < Windows >"}));
    EXPECT_EQ(project.AddTemplate.NewPath, dir.Path("new"));
    EXPECT_FALSE(project.IncludeSubFolders);
}

TEST_F(AddFilesTest, AddDialogOk) {
    Tree({"old\\", "old\\a.dll", "new\\", "new\\a.dll"});
    const std::string file = dir.Path("old\\a.dll"), old = dir.Path("old"), fresh = dir.Path("new\\a.dll");
    const struct { AddDialogInput in; AddRefusal want; } cases[] = {
        {{kActAdd, false, false, "", ""}, AddRefusal::FileNotFind},
        {{kActAdd, false, false, dir.Path("old\\no.dll"), ""}, AddRefusal::FileNotFind},
        {{kActPatch, true, true, old, old + "\\"}, AddRefusal::DirCantSame},
        {{kActPatch, false, false, file, ""}, AddRefusal::FileNotFind},
        {{kActPatch, false, false, file, dir.Path("new\\no.dll")}, AddRefusal::FileNotFind},
        {{kActPatch, false, false, file, fresh}, AddRefusal::None},
        {{kActReName, false, false, file, "b.dll"}, AddRefusal::None},
        {{kActDel, true, true, old, ""}, AddRefusal::None},
    };
    for (const auto& c : cases) {
        project.AddCancelled = true;
        EXPECT_EQ(AcceptAddDialog(c.in, project), c.want) << c.in.file << " | " << c.in.newText;
        EXPECT_EQ(project.IncludeSubFolders, c.in.includeSub);
        EXPECT_EQ(project.AddCancelled, c.want != AddRefusal::None);
    }
    // The template as method, folder, file, new name: the folder case was last and keeps the
    // file of the ReName case (folders set no file).
    const ActClass& t = project.AddTemplate;
    const auto kept = [&] { return std::to_string(t.AddMethod) + "|" + t.FilePath + "|" + t.FileName + "|" + t.NewName; };
    EXPECT_EQ(kept(), "1|" + old + "|" + file + "|");
    AcceptAddDialog({kActReName, false, false, file, "b.dll"}, project);
    EXPECT_EQ(kept(), "0|" + old + "|" + file + "|b.dll");
    // Another old version of a patch: an existing file, neither its old file nor a twin.
    ActClass patch;
    patch.FileName = file;
    for (const auto& [path, want] : {std::pair{old, AddRefusal::FileNotFind}, {file, AddRefusal::KnownOldVersion},
                                     {fresh, AddRefusal::None}, {fresh, AddRefusal::KnownOldVersion}})
        EXPECT_EQ(AddOldVersion(path, patch), want) << path;
    EXPECT_EQ(patch.OldVersions, std::vector<std::string>{fresh});
}

}  // namespace
}  // namespace quen
