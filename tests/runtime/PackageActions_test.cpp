// A patch executable's package on the in-memory machine: failures of the carried kinds,
// "Me" as the executable's folder, the picture, the log port, the silent run and its
// unanswered directory question (backups: UndoRecord_test.cpp).
#include <gtest/gtest.h>

#include "maker/CompModule.h"
#include "runtime/HeadWindows.h"
#include "runtime/PackageActions.h"
#include "runtime/RuntimeFakes.h"
#include "support/RecordedUi.h"

using namespace quen;
using namespace quen::runtime;
using namespace quen::runtime::fakes;

namespace {

class PackageRun : public ::testing::Test, public ScriptRunFixture {
protected:
    const std::string oldApp = std::string(300, 'o') + "tail", newApp = std::string(300, 'o') + "TAIL+more";
    Bytes diff;  // app.exe from old to new

    void SetUp() override {
        parts.setup.erase(parts.setup.begin());  // a package script has no identifier
        parts.TextKey("strExecute", "Run").TextKey("strAddFile", "Add").TextKey("strPatchFile", "Patch");
        m.fs.AddDir("C:\\PKG");
        m.fs.AddDir("C:\\APP\\sub");
        m.fs.Put("C:\\APP\\app.exe", oldApp);
        diff = CompareBytes(Bytes(oldApp.begin(), oldApp.end()), Bytes(newApp.begin(), newApp.end()), {8, 1});
    }
};

}  // namespace

TEST_F(PackageRun, FailuresLeaveTheFilesAsTheyWere) {
    const std::string other = "x" + oldApp.substr(1);  // the old file's length, one byte changed
    m.fs.Put("C:\\APP\\other.exe", other);
    m.fs.files[Upper("C:\\PKG\\P1")] = diff;  // made from app.exe
    Bytes cut = diff;  // damaged: its last record ends early
    cut.pop_back();
    SetLE32(cut, 0, static_cast<std::uint32_t>(cut.size()));
    m.fs.files[Upper("C:\\PKG\\P4")] = cut;
    m.fs.files[Upper("C:\\PKG\\P6")] = Bytes{9, 0, 0, 0, 0, 0, 0, 0};
    m.fs.Put("C:\\APP\\app.ini", "[Main]");
    m.sys.runAllowed = false;
    m.fs.Put("C:\\PKG\\P7", "prog");
    parts.TextKey("CWhenError", "True").TextKey("MakeBKFile", "False")
        .Action(1, {"File=other.exe", "Act=2", "Dir=Me"})
        .Action(2, {"File=gone.exe", "Act=2", "Dir=Me"})
        .Action(3, {"File=x.txt", "Act=1", "Dir=C:\\NOWHERE"})
        .Action(4, {"File=app.exe", "Act=2", "Dir=Me"})
        .Action(5, {"File=y.txt", "Act=1", "Dir=Me"})  // no P5
        .Action(6, {"File=app.ini", "Act=5", "Dir=Me"})
        .Action(7, {"File=run.exe", "Act=0", "Dir=Me"});
    EXPECT_EQ(RunPackage(), RunOutcome::FailuresSkipped);
    EXPECT_EQ(m.win.log,
              "Patch C:\\APP\\other.exe CHECKSUM\r\nPatch C:\\APP\\gone.exe NOTFOUND\r\n"
              "Add C:\\NOWHERE\\x.txt NOTFOUND\r\nPatch C:\\APP\\app.exe FAILED\r\nAdd C:\\APP\\y.txt FAILED\r\n"
              "INI C:\\APP\\app.ini FAILED\r\nRun C:\\APP\\run.exe FAILED\r\n");
    EXPECT_EQ(m.fs.Get("C:\\APP\\other.exe"), other);
    EXPECT_EQ(m.fs.Get("C:\\APP\\app.exe"), oldApp);
    EXPECT_EQ(m.fs.Get("C:\\APP\\app.ini"), "[Main]");
    EXPECT_FALSE(m.fs.Has("C:\\APP\\y.txt"));
}

TEST_F(PackageRun, PictureAndMeFolderComeFromThePackage) {
    m.fs.Put("C:\\PKG\\Setup.img", "BM");
    parts.SetupKey("ShowW", "1").SetupKey("ShowP", "True").Action(1, {"File=app.exe", "Act=4", "Dir=Me"});
    EXPECT_EQ(RunPackage(), RunOutcome::AllDone);
    ASSERT_FALSE(m.win.shown.empty());
    EXPECT_EQ(m.win.shown[0].picture, "C:\\PKG\\Setup.img");
    EXPECT_FALSE(m.fs.Has("C:\\APP\\app.exe"));
    parts.SetupKey("ShowP", "False");
    m.win.shown.clear();
    RunPackage();
    EXPECT_EQ(m.win.shown[0].picture, "");
}

TEST_F(PackageRun, SilentRunShowsNothingAndFailsAnUnansweredQuestion) {
    m.fs.Put("C:\\APP\\sub\\a.txt", "a");
    parts.SetupKey("ShowW", "1").SetupKey("ShowE", "1").TextKey("CWhenError", "True")
        .Action(1, {"File=a.txt", "Act=4", "Dir=Ask", "Title=Where"})
        .Action(2, {"File=a.txt", "Act=4", "Dir=.\\sub"});
    HeadWindows silent(nullptr, "");
    EXPECT_EQ(RunPackage(&silent), RunOutcome::FailuresSkipped);
    EXPECT_TRUE(m.fs.Has("C:\\APP\\sub\\a.txt"));  // "." below no folder: nothing
    EXPECT_EQ(fileLog.text, "Delete \\a.txt NOTFOUND\r\nDelete \\a.txt NOTFOUND\r\n");
    EXPECT_TRUE(m.win.shown.empty());
    HeadWindows answered(&m.win, "C:\\APP\\");
    fileLog.text.clear();
    EXPECT_EQ(RunPackage(&answered), RunOutcome::AllDone);
    EXPECT_FALSE(m.fs.Has("C:\\APP\\sub\\a.txt"));
    EXPECT_TRUE(m.win.asked.empty());
}

// A release patch: the difference is the one the file on disk matches (Versions names the
// further ones); an added file's missing sub folders are made, and go again when the run is
// undone; no difference matching is the wrong version.
TEST_F(PackageRun, OldVersionsAndMadeFoldersOfARelease) {
    const std::string otherOld = std::string(200, 'p') + "tail";
    m.fs.files[Upper("C:\\PKG\\P1")] = diff;
    m.fs.files[Upper("C:\\PKG\\P3")] = CompareBytes(Bytes(otherOld.begin(), otherOld.end()),
                                                     Bytes(newApp.begin(), newApp.end()), {8, 1});
    m.fs.Put("C:\\PKG\\P2", "fresh");
    parts.TextKey("ShowRun", "False").TextKey("MakeBKFile", "False")
        .Action(1, {"File=app.exe", "Act=2", "Dir=Me", "Versions=3"})
        .Action(2, {"File=f.dat", "Act=1", "Dir=.\\new\\deep"});
    for (const std::string& old : {oldApp, otherOld}) {
        m.fs.Put("C:\\APP\\app.exe", old);
        EXPECT_EQ(RunPackage(), RunOutcome::AllDone);
        EXPECT_EQ(m.fs.Get("C:\\APP\\app.exe") + "|" + m.fs.Get("C:\\APP\\new\\deep\\f.dat"), newApp + "|fresh");
        m.fs.DeleteForce("C:\\APP\\new\\deep\\f.dat");
        m.fs.RemoveEmptyFolder("C:\\APP\\new\\deep");
        m.fs.RemoveEmptyFolder("C:\\APP\\new");
    }
    // A third action that no longer matches (app.exe is new by then) stops the run: the
    // made folders go with the rest; a file of neither version stops it at once.
    parts.Action(3, {"File=app.exe", "Act=2", "Dir=Me", "Versions=3"});
    for (const std::string& old : {oldApp, std::string("neither")}) {
        m.fs.Put("C:\\APP\\app.exe", old);
        fileLog.text.clear();
        EXPECT_EQ(RunPackage(), RunOutcome::Stopped);
        EXPECT_NE(fileLog.text.find("Patch C:\\APP\\app.exe CHECKSUM\r\n"), std::string::npos) << fileLog.text;
        EXPECT_FALSE(m.fs.Exists("C:\\APP\\new"));
        EXPECT_EQ(m.fs.Get("C:\\APP\\app.exe"), old);
    }
}
