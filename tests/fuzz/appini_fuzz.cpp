// Fuzzes the INI line rules: arbitrary bytes as the file, with a key, value and section
// taken from the input; checks that written keys read back and removed keys are gone. (How
// AppINI reads and rewrites real files by these rules: AppINI_test, FileRoutines_test.)
#include <string>
#include <string_view>

#include "fuzz/FuzzInput.h"
#include "startup/IniLines.h"

namespace {

using quen::ini::Lines;
const auto Check = quen::fuzz::Require;

bool HasLineEnd(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// A key that a key line gives back unchanged as its name.
bool KeyRoundTrips(std::string_view key) {
    return !HasLineEnd(key) && key.find('=') == std::string_view::npos && quen::TrimBlanks(key) == key &&
           (key.empty() || key[0] != '[');
}

bool SectionRoundTrips(std::string_view section) { return !HasLineEnd(section) && !section.empty(); }

// Input: three length bytes, then key, value, section, and the rest is the file.
struct Input {
    std::string key, value, section, file;
};

Input Parse(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    if (size < 3) return {"", "", "", std::string(rest)};
    rest.remove_prefix(3);
    const auto take = [&](std::size_t n) {
        std::string s(rest.substr(0, n));
        rest.remove_prefix(s.size());
        return s;
    };
    Input in{take(data[0] & 15), take(data[1] & 31), take(data[2] & 15), ""};
    if (data[2] & 0x80) in.section = std::string(quen::ini::kNoSection);
    in.file = std::string(rest);
    return in;
}

void CheckJoinSplit(const Lines& lines) {
    Lines expected = lines;
    if (!expected.empty() && expected.back().empty()) expected.pop_back();  // no final line end
    bool plain = true;
    for (const auto& l : lines) plain = plain && !HasLineEnd(l);
    if (plain) Check(quen::ini::SplitLines(quen::ini::JoinLines(lines)) == expected);
}

void CheckRules(const Input& in) {
    using namespace quen::ini;
    const Lines lines = SplitLines(in.file);
    std::string value;
    FindKey(lines, in.section, in.key, value);
    CheckJoinSplit(lines);

    const bool representable = KeyRoundTrips(in.key) && !HasLineEnd(in.value) && SectionRoundTrips(in.section);
    Lines written = lines;
    Check(EditKey(written, in.section, in.key, in.value, KeyEdit::Write));
    const std::size_t grown = written.size() - lines.size();
    Check(written.size() >= lines.size() && grown <= 3);
    if (representable) {
        const Lines reread = SplitLines(JoinLines(written));
        Check(FindKey(reread, in.section, in.key, value) && value == in.value);
    }

    Lines removed = lines;
    const bool sectionFound = EditKey(removed, in.section, in.key, {}, KeyEdit::Remove);
    Check(removed.size() <= lines.size());
    if (!sectionFound) Check(removed == lines);
    if (representable) Check(!FindKey(SplitLines(JoinLines(removed)), in.section, in.key, value));

    Lines section = lines;
    RemoveSection(section, in.section);
    ReplaceSection(section, in.section, SplitEntries(in.value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input in = Parse(data, size);
    CheckRules(in);
    return 0;
}
