// StartMakeFileData with a stand-in cabinet tool: the package folder, the directive file,
// the patch executable, that a failed make keeps the old output and leaves nothing, and
// that a make refuses while another runs.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "maker/CompModule.h"
#include "maker/PackageLayout.h"
#include "maker/PackageMake.h"
#include "maker/PeBuilder.h"
#include "base/Errors.h"
#include "platform/FileLock.h"
#include "support/Raised.h"
#include "support/TempDir.h"

namespace quen {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class Recorder : public MakeProgress {
public:
    void MakeStarted(int total, const std::string&) override { log += "start" + std::to_string(total); }
    void ActionStarted(int i, int, const std::string&) override { log += " " + std::to_string(i); }
    void ActionWritten(int i, int, int section) override { log += section == i ? "+" : "?"; }
    void Reached(double percent) override { last = percent; }
    void WritingPatchData() override { log += " cab"; }
    void Notice(const std::string& text) override { log += " notice:" + text.substr(0, 8); }
    void Finished() override { log += " done"; }
    std::string log;
    double last = -1;
};

// A program folder with the stand-in tool, a template, a head and an icon, and TMPDIR
// pointing into the test's folder, under a name with a blank and a code-page letter.
struct MakeFixture {
    test::TempDir dir;
    std::string prog = dir.Path("prog"), temp = dir.Path("Temp D\xE9"), seen = dir.Path("seen");
    MakeFileDataSettings settings;
    Project project;

    MakeFixture() {
        std::filesystem::create_directories(std::filesystem::path(test::NativePath(prog)));
        std::filesystem::create_directories(std::filesystem::path(test::NativePath(temp)));
        WriteFileBytes(prog + "\\QCab.exe",
                       ReadFileBytes(std::string(QUEN_TEST_DATA) + "\\build\\fake-cab-tool.sh"));
        std::filesystem::permissions(test::NativePath(prog + "\\QCab.exe"), std::filesystem::perms::owner_all);
        WriteFileBytes(prog + "\\Patch.ddf", "TPL");
        WriteFileBytes(prog + "\\PatchHead.exe", std::string(40, 'H'));
        // One 32x32 image of 3 bytes right after a one-entry directory.
        WriteFileBytes(prog + "\\icon.ico", std::string("\0\0\1\0\1\0\x20\x20\0\0\0\0\0\0\3\0\0\0\x16\0\0\0ICO", 25));
        WriteFileBytes(prog + "\\logo.bmp", "BM picture");
        settings = {prog, "QCab.exe", "/F", "Patch.ddf", "PatchHead.exe", 11, 10, {}};
        ::setenv("TMPDIR", test::NativePath(temp).c_str(), 1);
        ::setenv("QUEN_FAKE_SEEN", test::NativePath(seen).c_str(), 1);
        ::unsetenv("QUEN_FAKE_CAB");
        project.Options.PictureFile = ".\\logo.bmp";
        project.Options.PatchIconFile = ".\\icon.ico";
    }
    ~MakeFixture() {
        ::unsetenv("TMPDIR");
        ::unsetenv("QUEN_FAKE_CAB");
    }
    ActClass& Add(int kind, const std::string& file, const std::string& content) {
        ActClass a;
        a.ActType = kind;
        a.FileName = dir.Path(file);
        if (!content.empty()) WriteFileBytes(a.FileName, content);
        project.Actions.push_back(a);
        return project.Actions.back();
    }
};

TEST(PackageMake, MakesThePackageAndThePatchExecutable) {
    MakeFixture f;
    // A byte replacement and a deletion carry no data file.
    ActClass& b = f.Add(kActByte, "data.bin", "0123");
    b.NoSourceCheck = 1;
    b.AddByte("3", "&H1 (1)", "41");
    f.Add(kActDel, "gone.txt", "");
    f.Add(kActAdd, "added.txt", "added bytes");
    f.Add(kActPatch, "old.bin", std::string(3000, 'a') + "old tail");
    f.project.Actions.back().NewName = f.dir.Path("new.bin");
    WriteFileBytes(f.dir.Path("new.bin"), std::string(3000, 'a') + "the new tail");
    f.Add(kActIni, "app.ini", "[A]\r\nx=1").SetINIVal({"A,x,2", "B,y,"});
    f.project.Options.ShowPicture = true;
    WriteFileBytes(f.dir.Path("out.exe"), "OLD");

    Recorder progress;
    StartMakeFileData(f.project, DirTypeTexts{}, f.settings, f.dir.Path("out.exe"), &progress);

    EXPECT_EQ(progress.log, "start5 1+ 2+ 3+ 4+ 5+ cab done");
    EXPECT_EQ(progress.last, 100.0);
    EXPECT_EQ(test::ListFolder(f.seen), "P3,P4,P5,Patch.ddf,Setup.img,Setup.ini");
    const std::string directive = "TPL\r\n\"P3\"\r\n\"P4\"\r\n\"P5\"\r\n\"Setup.img\"\r\n\"Setup.ini\"";
    EXPECT_EQ(ReadFileBytes(f.seen + "\\Patch.ddf"), directive);
    EXPECT_EQ(ReadFileBytes(f.seen + "\\Setup.img"), "BM picture");
    // What the data files and the script hold: e2e/quenmake_exe.sh applies a made patch.
    // Head with the icon group entry's tail, the icon at 1-based position 11, the cabinet
    // length, the cabinet.
    const std::string head = "HHHH" + std::string(6, '\0') + std::string("\3\0\0\0HH", 6) + "ICO" +
                             std::string(7, '\0') + std::string(14, 'H');
    const std::string cabinet = "CAB|/F|" + directive;
    const Bytes want = BuildPatchExecutable(ViewOf(head), ViewOf(cabinet));
    EXPECT_EQ(ReadFileBytes(f.dir.Path("out.exe")), std::string(want.begin(), want.end()));
    EXPECT_FALSE(test::PathExists(f.temp + "\\QuenlarkTemp"));
    EXPECT_EQ(test::ListFolder(f.temp), "");
}

TEST(PackageMake, AFailedMakeKeepsTheOldOutputAndLeavesNothing) {
    struct Case {
        const char* what;
        std::function<void(MakeFixture&)> spoil;
        int error;
    } cases[] = {
        {"added file vanished", [](MakeFixture& f) { f.Add(kActAdd, "vanished.txt", ""); }, kErrFileNotFound},
        {"new version vanished",
         [](MakeFixture& f) { f.Add(kActPatch, "old.bin", "x").NewName = f.dir.Path("none.bin"); }, kErrFileNotFound},
        {"picture vanished",
         [](MakeFixture& f) {
             f.project.Options.ShowPicture = true;
             f.project.Options.PictureFile = ".\\none.bmp";
         },
         kErrFileNotFound},
        {"tool wrote no cabinet", [](MakeFixture&) { ::setenv("QUEN_FAKE_CAB", "none", 1); }, kErrPathFileAccess},
        {"tool wrote an empty cabinet", [](MakeFixture&) { ::setenv("QUEN_FAKE_CAB", "empty", 1); },
         kErrPathFileAccess},
        {"tool missing", [](MakeFixture& f) { f.settings.CABLIB = "NoTool.exe"; }, kErrFileNotFound},
        {"head missing", [](MakeFixture& f) { f.settings.PATCH_EXE_HEAD = "NoHead.exe"; }, kErrFileNotFound},
        {"head signed",
         [](MakeFixture& f) {
             Bytes head = testpe::Build({{".text", Bytes(0x100, 0x90)}});
             const std::size_t optional = testpe::kPeOffset + 24;
             testpe::Put16(head, optional, 0x20B);
             testpe::Put32(head, optional + 108, 16);                    // data directories
             testpe::Put32(head, optional + 112 + 32, static_cast<std::uint32_t>(head.size()));  // certificate table
             testpe::Put32(head, optional + 112 + 36, 8);
             head.resize(head.size() + 8, 0x5A);
             WriteFileBytes(f.prog + "\\PatchHead.exe", std::string(head.begin(), head.end()));
         },
         kErrPathFileAccess},
    };
    for (const Case& c : cases) {
        MakeFixture f;
        f.Add(kActAdd, "added.txt", "added bytes");
        c.spoil(f);
        std::filesystem::create_directories(test::NativePath(f.dir.Path("out")));
        WriteFileBytes(f.dir.Path("out\\out.exe"), "OLD");
        const auto make = [&] { StartMakeFileData(f.project, DirTypeTexts{}, f.settings, f.dir.Path("out\\out.exe"), nullptr); };
        EXPECT_EQ(test::RaisedBy(make).number, c.error) << c.what;
        EXPECT_EQ(test::ListFolder(f.dir.Path("out")), "out.exe") << c.what;
        EXPECT_EQ(ReadFileBytes(f.dir.Path("out\\out.exe")), "OLD") << c.what;
        EXPECT_EQ(test::ListFolder(f.temp), "") << c.what;
    }
}

TEST(PackageMake, ASecondMakeRefusesWhileOneRunsAndAStaleFolderDoesNotBlock) {
    MakeFixture f;
    f.Add(kActAdd, "added.txt", "added bytes");
    const std::string folder = f.temp + "\\QuenlarkTemp";
    std::filesystem::create_directories(test::NativePath(folder));
    WriteFileBytes(folder + "\\P9", "the running make's data");
    WriteFileBytes(f.dir.Path("out.exe"), "OLD");
    {
        const platform::FileLock running(MakeLockFile());
        ASSERT_EQ(running.status(), 0);
        EXPECT_EQ(platform::FileLock(MakeLockFile()).status(), kErrFileAlreadyOpen);
        const test::Raised r = test::RaisedBy([&] { StartMakeFileData(f.project, DirTypeTexts{}, f.settings, f.dir.Path("out.exe"), nullptr); });
        EXPECT_EQ(r.number, kErrFileAlreadyOpen);
        EXPECT_NE(r.text.find("Another make is using the package folder"), std::string::npos);
        EXPECT_EQ(ReadFileBytes(folder + "\\P9"), "the running make's data");
        EXPECT_EQ(ReadFileBytes(f.dir.Path("out.exe")), "OLD");
    }
    // The holder is gone (as after a crash) and its folder is stale: the next make runs.
    StartMakeFileData(f.project, DirTypeTexts{}, f.settings, f.dir.Path("out.exe"), nullptr);
    EXPECT_EQ(test::ListFolder(f.seen), "P1,Patch.ddf,Setup.ini");
    EXPECT_EQ(ReadFileBytes(f.seen + "\\P1"), "added bytes");
    EXPECT_EQ(test::ListFolder(f.temp), "");
}

}  // namespace
}  // namespace quen
#endif
