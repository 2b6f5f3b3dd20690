// Tests of pairing release folders: the actions one old and several old versions give (the refused
// folders: tests/maker/ScriptQuenMake_test.sh).
#include <gtest/gtest.h>

#include <filesystem>

#include "base/Errors.h"
#include "maker/ReleaseFolders.h"
#include "support/TempDir.h"

namespace quen {
namespace {

// Writes "folder\rel" = bytes, making the folders on the way.
void Put(const test::TempDir& dir, const std::string& rel, const std::string& bytes) {
    const std::string path = dir.Path(rel);
    std::filesystem::create_directories(std::filesystem::path(test::NativePath(path)).parent_path());
    test::WriteFileBytes(path, bytes);
}

// kind, directory, file below its root, further old versions: one line per action.
std::string Summary(const Project& p, const test::TempDir& dir) {
    std::string s;
    for (const ActClass& a : p.Actions) {
        std::string file = a.FileName.substr(dir.path().size() + 1);
        s += std::to_string(a.ActType) + " " + a.DirType + " " + file + " +" + std::to_string(a.OldVersions.size()) + "\n";
    }
    return s;
}

TEST(ReleaseFolders, PairsByPathIgnoringCaseAndSharesEqualOldVersions) {
    test::TempDir dir;
    for (const char* v : {"A", "B"}) {
        Put(dir, std::string(v) + "\\same.txt", "same");
        Put(dir, std::string(v) + "\\App.EXE", std::string("old app ") + v);  // differs between the olds
        Put(dir, std::string(v) + "\\lib.dll", "old lib");                   // equal in both olds
        Put(dir, std::string(v) + "\\gone.txt", "gone");
        Put(dir, std::string(v) + "\\sub\\deep\\d.dat", "old deep");
    }
    Put(dir, "B\\only-b.txt", "b");  // in one old version only, kept in the new
    Put(dir, "C\\same.txt", "same");
    Put(dir, "C\\app.exe", "new app");
    Put(dir, "C\\lib.dll", "new lib");
    Put(dir, "C\\only-b.txt", "b");
    Put(dir, "C\\added.txt", "new");
    Put(dir, "C\\sub\\deep\\d.dat", "new deep");
    Put(dir, "C\\sub\\fresh\\f.dat", "fresh");
    DirTypeTexts t;
    Project p;
    AddReleaseActions(p, {{dir.Path("A"), dir.Path("B")}, dir.Path("C")}, {}, t);
    EXPECT_EQ(Summary(p, dir),
              "1 < Ask User > C\\added.txt +0\n"
              "2 < Previous > A\\App.EXE +1\n"
              "4 < Previous > A\\gone.txt +0\n"
              "2 < Previous > A\\lib.dll +0\n"
              "1 < Previous > C\\only-b.txt +0\n"
              "2 .\\sub\\deep A\\sub\\deep\\d.dat +0\n"
              "1 .\\sub\\fresh C\\sub\\fresh\\f.dat +0\n");
    EXPECT_EQ(p.Action(2).NewName, dir.Path("C\\app.exe"));
    EXPECT_EQ(p.Action(2).OldVersions, std::vector<std::string>{dir.Path("B\\App.EXE")});
    EXPECT_FALSE(p.Action(1).AskTitle.empty());
}

// With only a sub folder changed, the smallest unchanged top file names the folder; with no
// top file at all, or a folder that cannot be listed, nothing is added.
TEST(ReleaseFolders, FirstActionNamesTheTopFolder) {
    test::TempDir dir;
    for (const char* v : {"X", "Y"}) {
        Put(dir, std::string(v) + "\\big.txt", "bbbb");
        Put(dir, std::string(v) + "\\top.txt", "t");
        Put(dir, std::string(v) + "\\s\\x.dat", v);
        Put(dir, std::string("only-sub-") + v + "\\s\\x.dat", v);
    }
    DirTypeTexts t;
    Project p;
    AddReleaseActions(p, {{dir.Path("X")}, dir.Path("Y")}, {.me = true}, t);
    EXPECT_EQ(Summary(p, dir), "1 < Me > Y\\top.txt +0\n2 .\\s X\\s\\x.dat +0\n");
    for (const auto& [old, now] : {std::pair{"only-sub-X", "only-sub-Y"}, {"X", "missing"}}) {
        Project q;
        EXPECT_THROW(AddReleaseActions(q, {{dir.Path(old)}, dir.Path(now)}, {}, t), Error) << now;
        EXPECT_TRUE(q.Actions.empty());
    }
}

}  // namespace
}  // namespace quen
