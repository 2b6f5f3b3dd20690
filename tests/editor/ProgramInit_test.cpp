// Editor start: the settings file and the supplied files are checked in order, each
// failure is told exactly, and the first start registers the script file type once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "startup/AppINI.h"
#include "editor/ProgramInit.h"
#include "support/RecordedUi.h"

namespace {

namespace fs = std::filesystem;
using quen::platform::ClearMessages;
using quen::platform::LastMessages;

const fs::path kAssets = fs::path(QUEN_ASSETS);

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        root_ = fs::temp_directory_path() / ("quen-start-" + std::to_string(rd()));
        fs::create_directories(root_ / "Templet");
        fs::create_directories(root_ / "Language");
        fs::copy_file(kAssets / "Quenlark.ini", root_ / "Quenlark.ini");
        fs::copy_file(kAssets / "Patch.ddf", root_ / "Patch.ddf");
        fs::copy_file(kAssets / "Templet" / "Default.tpl", root_ / "Templet" / "Default.tpl");
        Touch("QCab.exe");
        Touch("PatchHead.exe");
        ClearMessages();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    void Touch(const std::string& name) { std::ofstream(root_ / name) << "stand-in"; }
    std::string Folder() const { return root_.string(); }
    std::string Path(const std::string& rel) const { return Folder() + "\\" + rel; }

    std::string Setting(const std::string& section, const std::string& key) {
        quen::AppINI ini;
        ini.FileName = Path("Quenlark.ini");
        ini.Section = section;
        std::string value;
        ini.ReadKey(key, value);
        return value;
    }
    void SetSetting(const std::string& section, const std::string& key, const std::string& value) {
        quen::AppINI ini;
        ini.FileName = Path("Quenlark.ini");
        ini.Section = section;
        ASSERT_TRUE(ini.WriteKey(key, value));
    }
    void DeleteSetting(const std::string& section, const std::string& key) {
        quen::AppINI ini;
        ini.FileName = Path("Quenlark.ini");
        ini.Section = section;
        ASSERT_TRUE(ini.DelKey(key));
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

    void ExpectMissing(const std::string& fullPath) {
        EXPECT_EQ(Start(), nullptr);
        ASSERT_EQ(LastMessages().size(), 1u);
        EXPECT_EQ(LastMessages()[0].text, "File : " + fullPath + " without find!\r\nProgram Terminate!");
        EXPECT_EQ(LastMessages()[0].title, "Quenlark ERROR");
        EXPECT_EQ(LastMessages()[0].icon, quen::platform::MsgIcon::Critical);
        EXPECT_EQ(registrations_, 0);
    }

    fs::path root_;
    int registrations_ = 0;
};

TEST_F(ProgramFolder, ShippedFolderStartsAndReadsTheSettings) {
    auto program = Start();
    ASSERT_NE(program, nullptr);
    EXPECT_TRUE(LastMessages().empty());
    const auto& s = program->settings;
    EXPECT_EQ(s.DefSample_Size, 64);
    EXPECT_EQ(s.Comp_Move_Size, 4);
    EXPECT_EQ(s.WAVE_Open, Path("Open.wav"));
    EXPECT_EQ(s.WAVE_End, Path("End.wav"));
    EXPECT_EQ(s.Default_TPL, "Default.tpl");
    EXPECT_EQ(s.CABLIB, "QCab.exe");
    EXPECT_EQ(s.CABLIB_PARAMETER, "/F");
    EXPECT_EQ(s.CABLIB_SCRFILE, "Patch.ddf");
    EXPECT_EQ(s.PATCH_EXE_HEAD, "PatchHead.exe");
    EXPECT_EQ(program->folder, Folder());
    EXPECT_EQ(program->exeName, "Quenlark");
}

TEST_F(ProgramFolder, FirstStartRegistersOnceAndRemembersIt) {
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(registrations_, 1);
    EXPECT_EQ(Setting("Setup", "ProgramInit"), "1");
    EXPECT_EQ(Setting("Setup", "RegScriptType"), "1");
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(registrations_, 1);
}

TEST_F(ProgramFolder, ProgramInitOtherThanExactlyOneRegistersAgain) {
    SetSetting("Setup", "ProgramInit", "1 ");
    ASSERT_NE(Start(), nullptr);
    EXPECT_EQ(registrations_, 1);
}

TEST_F(ProgramFolder, MissingFilesAreReportedInOrder) {
    fs::remove(root_ / "PatchHead.exe");
    fs::remove(root_ / "QCab.exe");
    ExpectMissing(Path("QCab.exe"));
}

TEST_F(ProgramFolder, NumberKeyWithoutNumberStopsNamingFileSectionAndKey) {
    const struct {
        const char* value;  // nullptr: the key is absent
        const char* told;
    } cases[] = {{"four", "Comp_Move_Size: \"four\" is not a whole number."},
                 {nullptr, "Comp_Move_Size is missing."}};
    for (const auto& c : cases) {
        Reset();
        if (c.value) SetSetting("Setup", "Comp_Move_Size", c.value);
        else DeleteSetting("Setup", "Comp_Move_Size");
        EXPECT_EQ(Start(), nullptr);
        ASSERT_EQ(LastMessages().size(), 1u);
        const std::string& text = LastMessages()[0].text;
        EXPECT_NE(text.find(Path("Quenlark.ini")), std::string::npos) << text;
        EXPECT_NE(text.find("[Setup], key " + std::string(c.told)), std::string::npos) << text;
        EXPECT_EQ(registrations_, 0);
    }
}

// The folder itself, a sub folder or a pattern is no file, whatever the folder holds.
TEST_F(ProgramFolder, EmptyAbsentFolderOrPatternNamesAreMissingFiles) {
    fs::create_directories(root_ / "Sub");
    const struct {
        const char* section;
        const char* key;
        const char* value;  // nullptr: the key is absent
        const char* missing;
    } cases[] = {
        {"Library", "CABLIB", "", ""},           {"Library", "CABLIB", nullptr, ""},
        {"Library", "CABLIB", "Sub", "Sub"},     {"Library", "CABLIB", "*.exe", "*.exe"},
        {"Library", "CABLIB_SCRFILE", "", ""},   {"Library", "CABLIB_SCRFILE", "Sub", "Sub"},
        {"Library", "PATCH_EXE_HEAD", "", ""},   {"Library", "PATCH_EXE_HEAD", nullptr, ""},
        {"Setup", "Default_TPL", "", "Templet\\"}, {"Setup", "Default_TPL", nullptr, "Templet\\"},
        {"Setup", "Default_TPL", "..", "Templet\\.."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + (c.value ? c.value : "(absent)"));
        Reset();
        if (c.value) SetSetting(c.section, c.key, c.value);
        else DeleteSetting(c.section, c.key);
        ExpectMissing(Path(c.missing));
    }
}

TEST_F(ProgramFolder, CdExtraSwitchIsSixteenBit) {
    SetSetting("Setup", "CDExtraPatch", "40000");
    EXPECT_EQ(Start(), nullptr);
    EXPECT_EQ(LastMessages().size(), 1u);
}

TEST_F(ProgramFolder, TuningValuesBelowOneAreRaisedToOne) {
    SetSetting("Setup", "DefSample_Size", "0");
    SetSetting("Setup", "Comp_Move_Size", "-5");
    auto program = Start();
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->settings.DefSample_Size, 1);
    EXPECT_EQ(program->settings.Comp_Move_Size, 1);
}

// Absent means quick; 1 and 2 are the modes; anything else stops like a bad number key.
TEST_F(ProgramFolder, EncoderModeKey) {
    const struct {
        const char* value;  // nullptr: key removed
        int mode;           // 0: the start stops
    } cases[] = {{nullptr, 1}, {"1", 1}, {" 2 ", 2}, {"3", 0}, {"0", 0}, {"", 0}, {"thorough", 0}};
    for (const auto& c : cases) {
        quen::AppINI ini;
        ini.FileName = Path("Quenlark.ini");
        ini.Section = "Setup";
        c.value ? ini.WriteKey("Comp_Mode", c.value) : ini.DelKey("Comp_Mode");
        ClearMessages();
        auto program = Start();
        const std::string label = c.value ? c.value : "(absent)";
        if (c.mode == 0) {
            EXPECT_EQ(program, nullptr) << label;
            ASSERT_EQ(LastMessages().size(), 1u) << label;
            EXPECT_NE(LastMessages()[0].text.find("[Setup], key Comp_Mode: \"" + std::string(c.value) +
                                                  "\" is not 1 (quick) or 2 (thorough)."),
                      std::string::npos)
                << LastMessages()[0].text;
        } else {
            ASSERT_NE(program, nullptr) << label;
            EXPECT_EQ(program->settings.Comp_Mode, c.mode) << label;
        }
    }
}

TEST_F(ProgramFolder, MissingLanguageFileFallsBackToEnglish) {
    SetSetting("Setup", "Language", "German");
    auto program = Start();
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->lang.Language(), "English");
    EXPECT_EQ(program->lang.msg_Error(), "Error");
}

}  // namespace

namespace {

class DefaultTemplate : public ProgramFolder {};

TEST_F(DefaultTemplate, LoadedIntoThePatchOptions) {
    auto program = Start();
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->project.Options.ShowWelcomeWindow, 1);
    EXPECT_FALSE(program->project.Options.WelcomTitle.empty());
    EXPECT_TRUE(LastMessages().empty());
}

TEST_F(DefaultTemplate, RefusedTemplateIsToldAndTheEditorStartsWithEmptyOptions) {
    std::ofstream(root_ / "Templet" / "Default.tpl", std::ios::binary | std::ios::trunc)
        << "[Templet]\r\nQuenlarkTempletFileID=quenlark templet";
    auto program = Start();
    ASSERT_NE(program, nullptr);
    ASSERT_EQ(LastMessages().size(), 1u);
    EXPECT_EQ(LastMessages()[0].text, "Wrong Templet File!");
    EXPECT_EQ(program->project.Options.ShowWelcomeWindow, 0);
    EXPECT_TRUE(program->project.Options.WelcomTitle.empty());
}

}  // namespace
