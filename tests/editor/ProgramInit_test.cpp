// Editor start: the settings file and the supplied files are checked in order, each
// failure is told exactly, and the first start registers the script file type once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "startup/AppINI.h"
#include "editor/ProgramInit.h"
#include "options/Program.h"
#include "options/ProgramOptions.h"
#include "support/RecordedUi.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using quen::platform::ClearMessages;
using quen::platform::LastMessages;

const fs::path kAssets = fs::path(QUEN_ASSETS);

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_ / "Templet");
        fs::create_directories(root_ / "Language");
        fs::copy_file(kAssets / "Quenlark.ini", root_ / "Quenlark.ini");
        fs::copy_file(kAssets / "Patch.ddf", root_ / "Patch.ddf");
        fs::copy_file(kAssets / "Templet" / "Default.tpl", root_ / "Templet" / "Default.tpl");
        Touch("QCab.exe");
        Touch("PatchHead.exe");
        ClearMessages();
    }
    void Touch(const std::string& name) { std::ofstream(root_ / name) << "stand-in"; }
    std::string Folder() const { return root_.string(); }
    std::string Path(const std::string& rel) const { return Folder() + "\\" + rel; }

    // Writes the key, or removes it when value is null.
    void SetSetting(const std::string& section, const std::string& key, const char* value) {
        quen::AppINI ini{Path("Quenlark.ini"), section};
        ASSERT_TRUE(value ? ini.WriteKey(key, value) : ini.DelKey(key));
    }
    // The shipped settings file again, and no message yet.
    void Reset() {
        fs::copy_file(kAssets / "Quenlark.ini", root_ / "Quenlark.ini", fs::copy_options::overwrite_existing);
        ClearMessages();
    }

    std::unique_ptr<quen::Program> Start() {
        quen::StartupServices services;
        services.registerScriptType = [this] { ++registrations_; };
        return quen::ProgramInit(Folder(), "Quenlark", services);
    }

    // `key`: the line that names a key the user chose through the program options.
    void ExpectMissing(const std::string& fullPath, const std::string& key = "") {
        EXPECT_EQ(Start(), nullptr);
        ASSERT_EQ(LastMessages().size(), 1u);
        EXPECT_EQ(LastMessages()[0].text, "File : " + fullPath + " without find!\r\n" + key + "Program Terminate!");
        EXPECT_EQ(LastMessages()[0].title, "Quenlark ERROR");
        EXPECT_EQ(LastMessages()[0].icon, quen::platform::MsgIcon::Critical);
        EXPECT_EQ(registrations_, 0);
    }

    quen::test::TempDir dir_;
    const fs::path root_ = quen::test::NativePath(dir_.path());
    int registrations_ = 0;
};

TEST_F(ProgramFolder, ShippedFolderStartsAndRegistersOnce) {
    auto program = Start();
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(LastMessages().empty());
    EXPECT_EQ(registrations_, 1);
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(registrations_, 1);
    SetSetting("Setup", "ProgramInit", "1 ");  // anything but exactly 1 registers again
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(registrations_, 2);
}

// A number key that is absent, no number or out of its range stops the start naming the
// file, section and key; tuning values below one are raised to one; the encoder mode is
// absent (quick), 1 or 2.
TEST_F(ProgramFolder, NumberKeys) {
    // value nullptr: the key is absent; told nullptr: the start goes on.
    const struct { const char* key; const char* value; const char* told; int read; } cases[] = {
        {"Comp_Move_Size", "four", "Comp_Move_Size: \"four\" is not a whole number.", 0},
        {"Comp_Move_Size", nullptr, "Comp_Move_Size is missing.", 0},
        {"CDExtraPatch", "40000", "CDExtraPatch", 0},
        {"Comp_Move_Size", "-5", nullptr, 1},
        {"DefSample_Size", "0", nullptr, 1},
        {"Comp_Mode", nullptr, nullptr, 1}, {"Comp_Mode", "1", nullptr, 1}, {"Comp_Mode", " 2 ", nullptr, 2},
        {"Comp_Mode", "3", nullptr, 3},
        {"Comp_Mode", "4", "Comp_Mode: \"4\" is not 1 (quick), 2 (thorough) or 3 (compact).", 0},
        {"Comp_Mode", "0", "Comp_Mode: \"0\" is not 1 (quick), 2 (thorough) or 3 (compact).", 0},
        {"Comp_Mode", "", "Comp_Mode: \"\" is not 1 (quick), 2 (thorough) or 3 (compact).", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + (c.value ? c.value : "(absent)"));
        Reset();
        registrations_ = 0;
        SetSetting("Setup", c.key, c.value);
        auto program = Start();
        if (!c.told) {
            ASSERT_NE(program, nullptr);
            const auto& s = program->settings;
            const std::string key = c.key;
            EXPECT_EQ(key == "Comp_Mode" ? s.Comp_Mode : key == "DefSample_Size" ? s.DefSample_Size : s.Comp_Move_Size,
                      c.read);
            continue;
        }
        EXPECT_EQ(program, nullptr);
        ASSERT_EQ(LastMessages().size(), 1u);
        const std::string& text = LastMessages()[0].text;
        EXPECT_NE(text.find(Path("Quenlark.ini")), std::string::npos) << text;
        EXPECT_NE(text.find("[Setup], key " + std::string(c.told)), std::string::npos) << text;
        EXPECT_EQ(registrations_, 0);
    }
}

// Missing supplied files are told in order; the folder itself, a sub folder or a pattern
// is no file, whatever the folder holds. The program options refuse such a default
// template, so that what they write never stops the next start.
TEST_F(ProgramFolder, MissingFiles) {
    fs::create_directories(root_ / "Sub");
    // value nullptr: the key is absent.
    const struct { const char* section; const char* key; const char* value; const char* missing; } cases[] = {
        {"Library", "CABLIB", nullptr, ""},
        {"Library", "CABLIB", "Sub", "Sub"},     {"Library", "CABLIB", "*.exe", "*.exe"},
        {"Library", "CABLIB_SCRFILE", "", ""},   {"Library", "CABLIB_SCRFILE", "Sub", "Sub"},
        {"Library", "PATCH_EXE_HEAD", "", ""},   {"Library", "PATCH_EXE_HEAD", nullptr, ""},
        {"Setup", "Default_TPL", "", "Templet\\"}, {"Setup", "Default_TPL", nullptr, "Templet\\"},
        {"Setup", "Default_TPL", "..", "Templet\\.."}, {"Setup", "Default_TPL", "*.tpl", "Templet\\*.tpl"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + (c.value ? c.value : "(absent)"));
        Reset();
        SetSetting(c.section, c.key, c.value);
        ExpectMissing(Path(c.missing), std::string(c.key) == "Default_TPL"
                                           ? "(" + Path("Quenlark.ini") + ", section [Setup], key Default_TPL)\r\n"
                                           : "");
        if (std::string(c.key) != "Default_TPL" || !c.value) continue;
        Reset();
        auto program = Start();
        registrations_ = 0;
        ASSERT_NE(program, nullptr);
        quen::ProgramOptionValues now;
        now.defaultTpl = c.value;
        EXPECT_FALSE(quen::ApplyProgramOptions(*program, quen::ReadProgramOptions(*program, {}), now, {}));
    }
    Reset();
    fs::remove(root_ / "PatchHead.exe");
    fs::remove(root_ / "QCab.exe");
    ExpectMissing(Path("QCab.exe"));
}

// A missing language file falls back to English; a wrong or broken default template is
// told and the editor starts with empty options.
TEST_F(ProgramFolder, MissingLanguageAndRefusedTemplateStillStart) {
    SetSetting("Setup", "Language", "German");
    std::string broken = quen::test::ReadFileBytes(std::string(QUEN_TEST_DATA) + "/templet/one_addkey.tpl");
    broken.replace(broken.find("InterFaceFont_Size=9"), 20, "InterFaceFont_Size=big");
    for (const auto& [templet, told] :
         {std::pair<std::string, std::string>{"[Templet]\r\nQuenlarkTempletFileID=quenlark templet", "Wrong Templet File!"},
          {broken, "Unknow Error!\r\n\r\nError Number :  13\r\nErrModal : Unknow"}}) {
        ClearMessages();
        std::ofstream(root_ / "Templet" / "Default.tpl", std::ios::binary | std::ios::trunc) << templet;
        auto program = Start();
        ASSERT_NE(program, nullptr);
        EXPECT_EQ(program->lang.Language(), "English");
        ASSERT_EQ(LastMessages().size(), 1u);
        EXPECT_EQ(LastMessages()[0].text + "|" + LastMessages()[0].title, told + "|Error");
        EXPECT_EQ(LastMessages()[0].icon, quen::platform::MsgIcon::Exclamation);
        EXPECT_EQ(program->project.Options, quen::PatchOptions{});
    }
}

}  // namespace
