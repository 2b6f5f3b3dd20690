// Editor start: reads the settings file, checks the supplied files, registers at first start.
#include "editor/ProgramInit.h"

#include <algorithm>

#include "base/Errors.h"
#include "options/TempletLoad.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "startup/AppINI.h"
#include "startup/FSUPLIBmain.h"

namespace quen {
namespace {

constexpr const char* kCrLf = "\r\n";

// A start failure that has to be shown before the program ends.
struct StartStop {
    std::string text;
};

class SettingsReader {
public:
    SettingsReader(const std::string& path, const std::string& exeName) : exeName_(exeName) {
        ini_.FileName = path;
    }

    void Section(const std::string& name) { ini_.Section = name; }

    std::string Text(const std::string& key) {
        std::string value;
        ini_.ReadKey(key, value);
        return value;
    }

    int64_t Number(const std::string& key, int64_t min, int64_t max) {
        std::string value;
        const bool present = ini_.ReadKey(key, value);
        const auto number = ParseSettingsNumber(value, min, max);
        if (!number) Refuse(key, present ? ": \"" + value + "\" is not a whole number." : " is missing.");
        return *number;
    }

    // A key with a few allowed numbers; `absent` when the key is not there at all.
    int64_t Choice(const std::string& key, int64_t absent, int64_t min, int64_t max, const std::string& allowed) {
        std::string value;
        if (!ini_.ReadKey(key, value)) return absent;
        const auto number = ParseSettingsNumber(value, min, max);
        if (!number) Refuse(key, ": \"" + value + "\" is not " + allowed + ".");
        return *number;
    }

    void Write(const std::string& key, const std::string& value) { ini_.WriteKey(key, value); }

private:
    [[noreturn]] void Refuse(const std::string& key, const std::string& what) {
        throw StartStop{"File : " + ini_.FileName + kCrLf + "Section [" + ini_.Section + "], key " + key + what + kCrLf +
                        "Program Terminate!"};
    }

    AppINI ini_;
    std::string exeName_;
};

// A required file is one plain file; the start stops at the first that is missing. A
// file the user names through the program options also names its key.
void RequireFile(const std::string& path, const std::string& chosenBy = "") {
    if (IsPlainFile(path)) return;
    throw StartStop{"File : " + path + " without find!" + kCrLf + chosenBy + "Program Terminate!"};
}

void ReadSetupSection(SettingsReader& ini, const std::string& folder, ProgramSettings& s) {
    ini.Section("Setup");
    // Zero or negative tuning values would stall the difference encoder.
    s.DefSample_Size = static_cast<int32_t>(std::max<int64_t>(1, ini.Number("DefSample_Size", INT32_MIN, INT32_MAX)));
    s.Comp_Move_Size = static_cast<int32_t>(std::max<int64_t>(1, ini.Number("Comp_Move_Size", INT32_MIN, INT32_MAX)));
    s.Comp_Mode = static_cast<int32_t>(ini.Choice("Comp_Mode", 1, 1, 3, "1 (quick), 2 (thorough) or 3 (compact)"));
    s.WAVE_Open = folder + "\\" + ini.Text("WAVE_Open");
    s.WAVE_End = folder + "\\" + ini.Text("WAVE_End");
    s.CDExtraPatch = static_cast<int16_t>(ini.Number("CDExtraPatch", INT16_MIN, INT16_MAX));
    s.Default_TPL = ini.Text("Default_TPL");
    s.Language = ini.Text("Language");
}

void ReadLibrarySection(SettingsReader& ini, const std::string& folder, ProgramSettings& s) {
    ini.Section("Library");
    s.CABLIB = ini.Text("CABLIB");
    RequireFile(folder + "\\" + s.CABLIB);
    s.CABLIB_PARAMETER = ini.Text("CABLIB_PARAMETER");
    s.CABLIB_SCRFILE = ini.Text("CABLIB_SCRFILE");
    RequireFile(folder + "\\" + s.CABLIB_SCRFILE);
    s.PATCH_EXE_HEAD = ini.Text("PATCH_EXE_HEAD");
    RequireFile(folder + "\\" + s.PATCH_EXE_HEAD);
}

std::unique_ptr<Program> Start(const std::string& folder, const std::string& exeName, const StartupServices& services) {
    auto program = std::make_unique<Program>();
    program->folder = folder;
    program->exeName = exeName;
    const std::string settingsPath = SettingsFilePath(folder, exeName);
    RequireFile(settingsPath);

    SettingsReader ini(settingsPath, exeName);
    ReadSetupSection(ini, folder, program->settings);
    // The language comes before the template, so that the template's messages have texts.
    program->lang.SetLanguage(program->settings.Language);
    program->lang.ReadLang(folder);

    const std::string templet = folder + "\\Templet\\" + program->settings.Default_TPL;
    RequireFile(templet, "(" + settingsPath + ", section [Setup], key Default_TPL)" + kCrLf);
    // A refused template has shown its message; the editor starts with empty options.
    LoadDefaultTemplet(templet, program->project.Options, program->lang);

    ReadLibrarySection(ini, folder, program->settings);

    ini.Section("Setup");
    if (ini.Text("ProgramInit") != "1") {
        if (services.registerScriptType) services.registerScriptType();
        ini.Write("ProgramInit", "1");
        ini.Write("RegScriptType", "1");
    }
    return program;
}

}  // namespace

std::unique_ptr<Program> ProgramInit(const std::string& programFolder, const std::string& exeName,
                                     const StartupServices& services) {
    const std::string title = exeName + " ERROR";
    try {
        return Start(programFolder, exeName, services);
    } catch (const StartStop& stop) {
        platform::ShowMessage(stop.text, title, platform::MsgIcon::Critical);
    } catch (const Error& e) {
        platform::ShowMessage("File : " + SettingsFilePath(programFolder, exeName) + kCrLf + e.what() + kCrLf +
                                  "Program Terminate!",
                              title, platform::MsgIcon::Critical);
    }
    return nullptr;
}

}  // namespace quen
