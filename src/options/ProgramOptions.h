// The program options: what the dialog reads at opening and what OK writes.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "project/DirTypeTexts.h"

namespace quen {

struct Program;

// One language file offered: only files whose [Setup] ID is "LanguageFile".
struct LanguageChoice {
    std::string path;
    std::string shown;     // its name in the current language, else its Lang_Name
    std::string langName;  // Lang_Name
};

// Reads a key of the [Setup] section of a language file; nullopt when the file cannot be read.
using LangSetupReader = std::function<std::optional<std::string>(const std::string& key)>;

std::optional<LanguageChoice> OfferLanguage(const std::string& path, const std::string& currentLanguage,
                                            const LangSetupReader& read);

// The offered files among `files` (the language folder's files in listing order): those
// whose extension is "lng" in any case and that carry the ID.
std::vector<LanguageChoice> ListLanguages(const std::vector<std::string>& files, const std::string& currentLanguage);

// Compression type choices: -1 none, 0 MSZIP, 1 LZX.
struct ProgramOptionValues {
    int languageIndex = -1;  // into the offered list
    int sampleSize = 64;     // 32..512
    int moveSize = 4;        // 4..32
    int compMode = 1;        // 1 quick, 2 thorough, 3 compact
    std::string defaultTpl;
    bool cdPatch = false;
    bool cdAudio = false;
    int compressionType = -1;
    int compressionLevel = 1;  // 1..7
    bool registerScriptType = false;
};

// Slider limits.
inline constexpr int kSampleMin = 32, kSampleMax = 512, kSampleStep = 32;
inline constexpr int kMoveMin = 4, kMoveMax = 32, kMoveStep = 4;
inline constexpr int kLevelMin = 1, kLevelMax = 7;

// An arrow's step: stops at the slider's end.
int StepSlider(int value, int delta, int min, int max);

// The dialog's state at opening; OK writes only what differs from it.
struct ProgramOptionsForm {
    std::vector<LanguageChoice> languages;
    ProgramOptionValues atOpen;
    int levelRead = 0;  // the directive file's level as read (may lie outside the slider)
};

// `languageFiles`: the language folder's files, in listing order.
ProgramOptionsForm ReadProgramOptions(const Program& program, const std::vector<std::string>& languageFiles);

// What OK needs from outside the core.
struct ProgramOptionsServices {
    std::function<void(bool registered)> setScriptType;
    // The language changed: the main window takes the new texts and translates every
    // action's directory kind from `previous` to the new texts.
    std::function<void(const DirTypeTexts& previous)> languageSwitched;
};

// OK: false (after the message) when the default template is missing; nothing applied then.
bool ApplyProgramOptions(Program& program, const ProgramOptionsForm& form, const ProgramOptionValues& now,
                         const ProgramOptionsServices& services);

// The directive file's lines OK rewrites: the type when the choice changed to one of the
// two, the level when it moved.
struct DirectiveWrites {
    std::optional<std::string> type;
    std::optional<std::string> level;
};
DirectiveWrites DecideDirectiveWrites(const ProgramOptionsForm& form, const ProgramOptionValues& now);

// Typing on the CD Extra page: nine letters spelling OPENTOOLS reveal the hidden page once.
class HiddenPageWord {
public:
    // True when this key completes the word.
    bool Feed(char key, bool onCdPage);
    bool revealed() const { return revealed_; }

private:
    std::string typed_;
    bool revealed_ = false;
};

// The missing-template message with the name in place of the first "%1".
std::string TemplateMissingText(const std::string& message, const std::string& name);

}  // namespace quen
