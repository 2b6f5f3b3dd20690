// Saving and reading templates.
#include "options/Templet.h"

#include "base/Errors.h"
#include "options/TempletInteger.h"
#include "platform/Files.h"
#include "startup/IniLines.h"

namespace quen {

namespace {

// One option and how it is stored: the key list below is the file's key order.
struct TempletField {
    const char* key;
    enum Kind { Integer, Text, MultiLine } kind;
    int16_t PatchOptions::*integer;
    std::string PatchOptions::*text;
};

constexpr TempletField Int(const char* key, int16_t PatchOptions::*field) {
    return {key, TempletField::Integer, field, nullptr};
}
constexpr TempletField Txt(const char* key, std::string PatchOptions::*field) {
    return {key, TempletField::Text, nullptr, field};
}
constexpr TempletField Multi(const char* key, std::string PatchOptions::*field) {
    return {key, TempletField::MultiLine, nullptr, field};
}

// The three counts stand between EndReboot and PatchFileTitle; they are written and read
// separately.
const TempletField kBeforeCounts[] = {
    Int("ShowWelcomeWindow", &PatchOptions::ShowWelcomeWindow),
    Int("ShowEndWindow", &PatchOptions::ShowEndWindow),
    Int("ShowInfoWindow", &PatchOptions::ShowInfoWindow),
    Int("FirstReBoot", &PatchOptions::FirstReBoot),
    Int("EndReboot", &PatchOptions::EndReboot),
};

const TempletField kAfterCounts[] = {
    Txt("PatchFileTitle", &PatchOptions::PatchFileTitle),
    Txt("WelcomTitle", &PatchOptions::WelcomTitle),
    Multi("WelcomText", &PatchOptions::WelcomText),
    Txt("EndTitle", &PatchOptions::EndTitle),
    Multi("EndText", &PatchOptions::EndText),
    Txt("InfoTitle", &PatchOptions::InfoTitle),
    Multi("InfoText", &PatchOptions::InfoText),
    Txt("OKButton", &PatchOptions::OKButton),
    Txt("CANCELButton", &PatchOptions::CANCELButton),
    Txt("PromptText", &PatchOptions::PromptText),
    Txt("AboutButton", &PatchOptions::AboutButton),
    Txt("PictureFile", &PatchOptions::PictureFile),
    Txt("PatchIconFile", &PatchOptions::PatchIconFile),
    Txt("SFD", &PatchOptions::SFD),
    Txt("FNF", &PatchOptions::FNF),
    Txt("OnPatch", &PatchOptions::OnPatch),
    Txt("ERR", &PatchOptions::ERR),
    Txt("InterFaceFont", &PatchOptions::InterFaceFont),
    Int("InterFaceFont_Size", &PatchOptions::InterFaceFont_Size),
    Txt("PatchFailure", &PatchOptions::PatchFailure),
    Txt("BrokenWarn", &PatchOptions::BrokenWarn),
    Int("MakeBackupFile", &PatchOptions::MakeBackupFile),
    Int("ContinueWhenError", &PatchOptions::ContinueWhenError),
    Int("ShowRunTime", &PatchOptions::ShowRunTime),
    Txt("strExecute", &PatchOptions::strExecute),
    Txt("strAddFile", &PatchOptions::strAddFile),
    Txt("strDelFile", &PatchOptions::strDelFile),
    Txt("strPatchINI", &PatchOptions::strPatchINI),
    Txt("strRenFile", &PatchOptions::strRenFile),
    Txt("strPatchFile", &PatchOptions::strPatchFile),
    Txt("strPatchByte", &PatchOptions::strPatchByte),
    Txt("strSuccess", &PatchOptions::strSuccess),
};

struct ListField {
    const char* section;
    const char* countKey;
    std::vector<std::string> PatchOptions::*list;
};

// Counts in this order in [Templet]; sections in the other order.
const ListField kCounts[] = {
    {"AddKey", "AddKeyCount", &PatchOptions::AddKey},
    {"DelKey", "DelKeyCount", &PatchOptions::DelKey},
    {"OffKey", "OffKeyCount", &PatchOptions::OffKey},
};
const ListField kSections[] = {kCounts[2], kCounts[0], kCounts[1]};

// Builds the template's lines in memory, key by key, with the line rules of AppINI.
class TempletWriter {
public:
    explicit TempletWriter(ini::Lines lines) : lines_(std::move(lines)) {}
    void Section(const std::string& name) { section_ = name; }
    void Key(const std::string& key, const std::string& value) {
        RequireOneLine(value, "The template value [" + section_ + "] " + key);
        if (lines_.empty()) {
            lines_ = {ini::HeaderLine(section_), key + "=" + value};  // as a new file starts
        } else {
            ini::EditKey(lines_, section_, key, value, ini::KeyEdit::Write);
        }
    }
    void Field(const TempletField& f, const PatchOptions& o) {
        switch (f.kind) {
            case TempletField::Integer: Key(f.key, std::to_string(o.*f.integer)); break;
            case TempletField::Text: Key(f.key, o.*f.text); break;
            case TempletField::MultiLine: Key(f.key, EncodeLineBreaks(o.*f.text)); break;
        }
    }
    const ini::Lines& lines() const { return lines_; }

private:
    ini::Lines lines_;
    std::string section_ = kTempletSection;
};

class TempletReader {
public:
    explicit TempletReader(ini::Lines lines) : lines_(std::move(lines)) {}
    std::string Text(const std::string& section, const std::string& key) const {
        std::string value;
        ini::FindKey(lines_, section, key, value);
        return value;
    }
    int16_t Integer(const std::string& key) const {
        try {
            return TempletInteger(Text(kTempletSection, key));
        } catch (const Error& e) {
            throw Error(e.number(), "Template key " + key + ": " + e.what());
        }
    }
    void Field(const TempletField& f, PatchOptions& o) const {
        switch (f.kind) {
            case TempletField::Integer: o.*f.integer = Integer(f.key); break;
            case TempletField::Text: o.*f.text = Text(kTempletSection, f.key); break;
            case TempletField::MultiLine: o.*f.text = DecodeLineBreaks(Text(kTempletSection, f.key)); break;
        }
    }

private:
    ini::Lines lines_;
};

}  // namespace

void SaveTemplet(const std::string& path, const PatchOptions& options) {
    const std::string file = TrimBlanks(path);
    std::string old;
    const int readErr = platform::ReadWholeFile(file, old);
    if (readErr != 0 && readErr != kErrFileNotFound) {
        throw Error(readErr, "The template " + file + " cannot be read, so it is not replaced.");
    }
    TempletWriter w(ini::SplitLines(old));
    w.Key(kTempletIdKey, kTempletId);
    for (const TempletField& f : kBeforeCounts) w.Field(f, options);
    for (const ListField& l : kCounts) w.Key(l.countKey, std::to_string((options.*l.list).size()));
    for (const TempletField& f : kAfterCounts) w.Field(f, options);
    for (const ListField& l : kSections) {
        w.Section(l.section);
        const std::vector<std::string>& list = options.*l.list;
        for (size_t n = 0; n < list.size(); ++n) w.Key(std::to_string(n + 1), list[n]);
    }
    if (const int err = platform::WriteFileReplacing(file, ini::JoinLines(w.lines()))) {
        throw Error(err, "The template " + file + " cannot be written.");
    }
}

TempletStatus ReadTemplet(const std::string& path, PatchOptions& options) {
    std::string data;
    const std::string file = TrimBlanks(path);
    int err = platform::ReadWholeFile(file, data);
    if (err != 0) throw Error(err, "The template " + file + " cannot be read.");
    return ReadTempletText(data, options);
}

TempletStatus ReadTempletText(const std::string& data, PatchOptions& options) {
    TempletReader r(ini::SplitLines(data));
    if (r.Text(kTempletSection, kTempletIdKey) != kTempletId) return TempletStatus::WrongFile;

    PatchOptions o = options;
    for (const TempletField& f : kBeforeCounts) r.Field(f, o);
    // Only these Windows exits exist; a project file refuses any other value too.
    for (const char* key : {"FirstReBoot", "EndReboot"}) {
        const int16_t code = r.Integer(key);
        if (code < 0 || code > 3) throw Error(kErrOverflow, std::string("Template key ") + key + ": 0 to 3 are known.");
    }
    int16_t counts[3];
    for (int i = 0; i < 3; ++i) counts[i] = r.Integer(kCounts[i].countKey);
    for (const TempletField& f : kAfterCounts) r.Field(f, o);
    for (int i = 0; i < 3; ++i) {
        std::vector<std::string>& list = o.*kCounts[i].list;
        list.clear();
        // An absent list key is an empty entry; a count below 1 is an empty list.
        for (int n = 1; n <= counts[i]; ++n) list.push_back(r.Text(kCounts[i].section, std::to_string(n)));
    }
    options = std::move(o);
    return TempletStatus::Loaded;
}

}  // namespace quen
