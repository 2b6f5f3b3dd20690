// The program options: what the dialog reads at opening and what OK writes.
#include "options/ProgramOptions.h"

#include <algorithm>
#include <cctype>

#include "base/Text.h"
#include "options/Program.h"
#include "options/CdExtra.h"
#include "options/LangProject.h"
#include "options/TempletInteger.h"
#include "platform/Ui.h"
#include "startup/AppINI.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

constexpr const char* kNoSections = "[%NOTUSE%]";
constexpr const char* kTypeKey = ".Set CompressionType";
constexpr const char* kLevelKey = ".Set CompressionLevel";

std::string Read(const std::string& file, const std::string& section, const std::string& key) {
    AppINI ini;
    ini.FileName = file;
    ini.Section = section;
    std::string value;
    try {
        ini.ReadKey(key, value);
    } catch (const std::exception&) {
        value.clear();  // an unreadable file reads as empty, as an absent key does
    }
    return value;
}

void Write(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
    AppINI ini;
    ini.FileName = file;
    ini.Section = section;
    ini.WriteKey(key, value);
}

bool SameFileName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

std::string DirectiveFile(const Program& p) { return p.folder + "\\" + p.settings.CABLIB_SCRFILE; }

}  // namespace

int StepSlider(int value, int delta, int min, int max) { return std::clamp(value + delta, min, max); }

std::optional<LanguageChoice> OfferLanguage(const std::string& path, const std::string& currentLanguage,
                                            const LangSetupReader& read) {
    if (read("ID").value_or("") != "LanguageFile") return std::nullopt;
    LanguageChoice c{path, read(currentLanguage + "Name").value_or(""), read("Lang_Name").value_or("")};
    if (c.shown.empty()) c.shown = c.langName;
    return c;
}

std::vector<LanguageChoice> ListLanguages(const std::vector<std::string>& files, const std::string& currentLanguage) {
    std::vector<LanguageChoice> out;
    for (const std::string& f : files) {
        if (!SameFileName(GetExtension(f), "lng")) continue;
        auto c = OfferLanguage(f, currentLanguage, [&](const std::string& key) -> std::optional<std::string> {
            return Read(f, "Setup", key);
        });
        if (c) out.push_back(*c);
    }
    return out;
}

ProgramOptionsForm ReadProgramOptions(const Program& p, const std::vector<std::string>& languageFiles) {
    ProgramOptionsForm form;
    form.languages = ListLanguages(languageFiles, p.lang.Language());
    ProgramOptionValues& v = form.atOpen;
    for (size_t i = 0; i < form.languages.size(); ++i)
        if (form.languages[i].shown == p.lang.Lang_Name()) v.languageIndex = static_cast<int>(i);
    const std::string settings = SettingsFilePath(p.folder, p.exeName);
    v.sampleSize = std::clamp(p.settings.DefSample_Size, kSampleMin, kSampleMax);
    v.moveSize = std::clamp(p.settings.Comp_Move_Size, kMoveMin, kMoveMax);
    v.compMode = std::clamp(p.settings.Comp_Mode, 1, 3);
    v.defaultTpl = p.settings.Default_TPL;
    v.cdPatch = p.settings.CDExtraPatch != 0;
    v.cdAudio = CdNumber(Read(settings, "CDExtra", "CDAudioEnable")) >= 1;
    const std::string type = Read(DirectiveFile(p), kNoSections, kTypeKey);
    v.compressionType = type == "MSZIP" ? 0 : type == "LZX" ? 1 : -1;
    try {
        form.levelRead = TempletInteger(Read(DirectiveFile(p), kNoSections, kLevelKey));
    } catch (const std::exception&) {
        form.levelRead = 0;  // no number: the slider starts at its lower end and OK writes it
    }
    v.compressionLevel = std::clamp(form.levelRead, kLevelMin, kLevelMax);
    v.registerScriptType = TrimBlanks(Read(settings, "Setup", "RegScriptType")) == "1";
    return form;
}

DirectiveWrites DecideDirectiveWrites(const ProgramOptionsForm& form, const ProgramOptionValues& now) {
    DirectiveWrites w;
    if (now.compressionType != form.atOpen.compressionType && now.compressionType >= 0)
        w.type = now.compressionType == 1 ? "LZX" : "MSZIP";
    if (now.compressionLevel != form.levelRead) w.level = std::to_string(now.compressionLevel);
    return w;
}

bool ApplyProgramOptions(Program& p, const ProgramOptionsForm& form, const ProgramOptionValues& now,
                         const ProgramOptionsServices& services) {
    if (!IsPlainFile(p.folder + "\\Templet\\" + now.defaultTpl)) {
        platform::ShowMessage(TemplateMissingText(p.lang.msg_Cant_Find_Templet_File(), now.defaultTpl),
                              p.lang.msg_Error(), platform::MsgIcon::Critical);
        return false;
    }
    const std::string settings = SettingsFilePath(p.folder, p.exeName);
    if (now.languageIndex >= 0 && now.languageIndex < static_cast<int>(form.languages.size())) {
        const LanguageChoice& chosen = form.languages[static_cast<size_t>(now.languageIndex)];
        if (!SameFileName(GetFileName(chosen.path), p.lang.LangFileName() + ".lng")) {
            const DirTypeTexts previous = DirTypeTextsOf(p.lang);
            p.lang.SetLanguage(Read(chosen.path, "Setup", "Lang_Name"));
            p.lang.ReadLang(p.folder);
            p.project.AddTemplate.DirType = p.lang.Dir_Type_Pre();
            p.settings.Language = p.lang.Language();
            Write(settings, "Setup", "Language", p.lang.Language());
            if (services.languageSwitched) services.languageSwitched(previous);
        }
    }
    p.settings.DefSample_Size = now.sampleSize;
    p.settings.Comp_Move_Size = now.moveSize;
    p.settings.Comp_Mode = now.compMode;
    p.settings.Default_TPL = now.defaultTpl;
    p.settings.CDExtraPatch = now.cdPatch ? 1 : 0;
    Write(settings, "Setup", "Comp_Move_Size", std::to_string(now.moveSize));
    Write(settings, "Setup", "DefSample_Size", std::to_string(now.sampleSize));
    Write(settings, "Setup", "Comp_Mode", std::to_string(now.compMode));
    Write(settings, "Setup", "CDExtraPatch", now.cdPatch ? "1" : "0");
    Write(settings, "Setup", "Default_TPL", now.defaultTpl);
    if (now.registerScriptType != form.atOpen.registerScriptType) {
        if (services.setScriptType) services.setScriptType(now.registerScriptType);
        Write(settings, "Setup", "RegScriptType", now.registerScriptType ? "1" : "0");
    }
    Write(settings, "CDExtra", "CDAudioEnable", now.cdAudio ? "1" : "0");
    const DirectiveWrites w = DecideDirectiveWrites(form, now);
    if (w.type) Write(DirectiveFile(p), kNoSections, kTypeKey, *w.type);
    if (w.level) Write(DirectiveFile(p), kNoSections, kLevelKey, *w.level);
    return true;
}

bool HiddenPageWord::Feed(char key, bool onCdPage) {
    static const std::string kWord = "OPENTOOLS";
    if (revealed_) return false;
    if (!onCdPage) {
        typed_.clear();
        return false;
    }
    typed_ += static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (typed_.size() < kWord.size()) {
        if (kWord.compare(0, typed_.size(), typed_) != 0) typed_ = typed_.substr(typed_.size() - 1);
        // The restarted buffer may itself be no beginning of the word.
        if (kWord.compare(0, typed_.size(), typed_) != 0) typed_.clear();
        return false;
    }
    revealed_ = typed_ == kWord;
    typed_.clear();
    return revealed_;
}

std::string TemplateMissingText(const std::string& message, const std::string& name) {
    const size_t at = message.find("%1");
    if (at == std::string::npos) return message;
    return message.substr(0, at) + name + message.substr(at + 2);
}

}  // namespace quen
