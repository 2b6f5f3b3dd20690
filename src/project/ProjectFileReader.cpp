// Reading the project file.
#include "project/ProjectFile.h"

#include <algorithm>
#include <cstdint>

#include "base/Errors.h"
#include "platform/Files.h"
#include "project/TextFields.h"

namespace quen {

namespace {

// Lines end in CR LF; a lone LF or CR also ends a line (so no text read holds either),
// and the last line may lack its end.
class LineReader {
public:
    explicit LineReader(const std::string& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    int LineNumber() const { return line_; }

    std::string Next() {
        if (AtEnd()) throw Error(kErrInputPastEnd, "The file ends before line " + std::to_string(line_ + 1) + ".");
        const size_t end = std::min(text_.find_first_of("\r\n", pos_), text_.size());
        std::string line = text_.substr(pos_, end - pos_);
        pos_ = end + (text_.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++line_;
        return line;
    }

    // A text value stands between the opening double quote and the last double quote
    // of its line, so a text that holds quotes reads back whole.
    std::string Text() {
        std::string line = Next();
        size_t close = line.rfind('"');
        if (line.empty() || line[0] != '"' || close == 0) {
            throw Error(kErrTypeMismatch, "Line " + Pos() + " is not a quoted text.");
        }
        return line.substr(1, close - 1);
    }

    long long Number(long long lo, long long hi) {
        std::string line = Next();
        size_t start = !line.empty() && line[0] == '-' ? 1 : 0;
        bool digits = line.size() > start && line.size() - start <= 18;
        for (size_t i = start; digits && i < line.size(); ++i) digits = line[i] >= '0' && line[i] <= '9';
        if (!digits) throw Error(kErrTypeMismatch, "Line " + Pos() + " is not a decimal number.");
        long long v = std::stoll(line);
        if (v < lo || v > hi) throw Error(kErrOverflow, "The number on line " + Pos() + " is out of range.");
        return v;
    }
    int16_t Int16(int16_t lo = INT16_MIN, int16_t hi = INT16_MAX) { return static_cast<int16_t>(Number(lo, hi)); }
    int32_t Int32(int32_t lo = INT32_MIN, int32_t hi = INT32_MAX) { return static_cast<int32_t>(Number(lo, hi)); }

    bool Bool() {
        std::string line = Next();
        if (line == "#TRUE#") return true;
        if (line == "#FALSE#") return false;
        throw Error(kErrTypeMismatch, "Line " + Pos() + " is not #TRUE# or #FALSE#.");
    }

    // A count and that many text lines; a count below 1 is an empty list.
    std::vector<std::string> List() {
        int32_t count = Int32();
        std::vector<std::string> list;
        for (int32_t i = 0; i < count; ++i) list.push_back(Text());
        return list;
    }

private:
    std::string Pos() const { return std::to_string(line_); }

    const std::string& text_;
    size_t pos_ = 0;
    int line_ = 0;
};

// Lines 2 to 45. Each field is stored as soon as it is read: a later bad line leaves the
// fields before it with their new values.
void ReadOptions(LineReader& r, PatchOptions& o) {
    o.AboutButton = r.Text();
    o.AddKey = r.List();
    o.BrokenWarn = r.Text();
    o.CANCELButton = r.Text();
    o.ContinueWhenError = r.Int16();
    o.DelKey = r.List();
    o.EndReboot = r.Int16(0, 3);
    o.EndText = DecodeLineBreaks(r.Text());
    o.EndTitle = r.Text();
    o.FNF = r.Text();
    o.FirstReBoot = r.Int16(0, 3);
    o.InfoText = DecodeLineBreaks(r.Text());
    o.InfoTitle = r.Text();
    o.InterFaceFont = r.Text();
    o.InterFaceFont_Size = r.Int16();
    o.MakeBackupFile = r.Int16();
    o.OffKey = r.List();
    o.OKButton = r.Text();
    o.ERR = r.Text();
    o.OnPatch = r.Text();
    o.PatchFailure = r.Text();
    o.PictureFile = r.Text();
    o.PatchIconFile = r.Text();
    o.PromptText = r.Text();
    o.ShowEndWindow = r.Int16();
    o.ShowInfoWindow = r.Int16();
    o.ShowPicture = r.Bool();
    o.ShowRunTime = r.Int16();
    o.ShowWelcomeWindow = r.Int16();
    o.SFD = r.Text();
    o.WelcomText = DecodeLineBreaks(r.Text());
    o.WelcomTitle = r.Text();
    o.PatchFileTitle = r.Text();
    o.strAddFile = r.Text();
    o.strDelFile = r.Text();
    o.strExecute = r.Text();
    o.strPatchByte = r.Text();
    o.strPatchFile = r.Text();
    o.strPatchINI = r.Text();
    o.strRenFile = r.Text();
    o.strSuccess = r.Text();
}

ActClass ReadAction(LineReader& r, const std::string& previousDirText) {
    ActClass a(previousDirText);
    a.ActType = r.Int32(kActRun, kActReName);
    a.AddMethod = r.Int32(0, 1);
    a.AskBrowse = r.Text();
    a.AskDNF = r.Text();
    a.AskOK = r.Text();
    a.AskPrompt = r.Text();
    a.AskTitle = r.Text();
    int16_t byteCount = r.Int16();
    for (int k = 0; k < byteCount; ++k) {
        std::string type = r.Text();
        std::string value = r.Text();
        std::string newValue = r.Text();
        a.AddByte(type, value, newValue);
    }
    a.FilePath = r.Text();
    a.NoSourceCheck = r.Int16();
    a.FileName = r.Text();
    int16_t iniCount = r.Int16();
    for (int j = 0; j < iniCount; ++j) a.AddINIKey(r.Text());
    a.NewPath = r.Text();
    a.NewName = r.Text();
    a.DirType = r.Text();
    a.RegKeyName = r.Text();
    a.RegMain = r.Int16(0, kRegRootCount - 1);
    a.RegSub = r.Text();
    return a;
}

// The optional block of further old versions; anything else after the actions is left
// unread, as before the block existed.
void ReadOldVersions(LineReader& r, std::vector<ActClass>& actions) {
    if (r.AtEnd() || r.Next() != std::string("\"") + kOldVersionsMarker + "\"") return;
    const int32_t with = r.Int32(0, static_cast<int32_t>(actions.size()));
    for (int32_t k = 0; k < with; ++k) {
        ActClass& a = actions[r.Int32(1, static_cast<int32_t>(actions.size())) - 1];
        const int16_t count = r.Int16(0, kMaxListEntries);
        if (a.ActType != kActPatch) throw Error(kErrTypeMismatch, "Line " + std::to_string(r.LineNumber()) + ": only a Patch File action has old versions.");
        a.OldVersions.clear();
        for (int16_t j = 0; j < count; ++j) a.OldVersions.push_back(r.Text());
    }
}

bool HeaderMatches(const std::string& text) {
    LineReader r(text);
    if (r.AtEnd()) return false;
    try {
        return r.Text() == kProjectHeader;
    } catch (const Error&) {
        return false;
    }
}

}  // namespace

ProjectLoadResult LoadProjectText(const std::string& text, Project& project,
                                  const std::string& previousDirText) {
    project.Modified = false;
    if (!HeaderMatches(text)) {
        return {LoadStatus::WrongHeader, 0, "The file is not a project file."};
    }
    LineReader r(text);
    r.Next();
    try {
        ReadOptions(r, project.Options);
        int32_t count = r.Int32();
        if (count > kMaxListEntries) {
            throw Error(kErrOverflow, "A project holds at most 32767 actions.");
        }
        std::vector<ActClass> actions;
        for (int32_t i = 0; i < count; ++i) actions.push_back(ReadAction(r, previousDirText));
        ReadOldVersions(r, actions);
        project.Actions = std::move(actions);
    } catch (const Error& e) {
        project.Actions.clear();
        project.ProjectFile.clear();
        return {LoadStatus::ReadError, e.number(), e.what()};
    }
    return {LoadStatus::Loaded, 0, ""};
}

ProjectLoadResult LoadProject(const std::string& path, Project& project,
                              const std::string& previousDirText) {
    std::string text;
    int err = platform::ReadWholeFile(path, text);
    if (err != 0) {
        project.Modified = false;
        return {LoadStatus::ReadError, err, "The file " + path + " cannot be read."};
    }
    ProjectLoadResult result = LoadProjectText(text, project, previousDirText);
    if (result.status == LoadStatus::Loaded) project.ProjectFile = path;
    return result;
}

}  // namespace quen
