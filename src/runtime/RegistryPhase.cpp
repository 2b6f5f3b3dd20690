// The registry side of a patch: add, delete and pause values, restore them, leave Windows.
#include "runtime/RegistryPhase.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/Ui.h"
#include "runtime/PausedValue.h"
#include "runtime/RememberedValues.h"
#include "runtime/ScriptValues.h"
#include "runtime/TargetDir.h"
#include "startup/ProgramInfo.h"
#include "startup/RegistryText.h"

namespace quen::runtime {

namespace {

constexpr const char* kRetain = "%RetainValue%";

struct Entry {
    std::string text, subKey, name, data;
    int type = 0;
    bool validType = false;
};

Entry ReadEntry(RunContext& ctx, const std::string& section, int n) {
    Entry e;
    e.text = ctx.script.Read(section, std::to_string(n));
    SelectHive(ctx.st, Field(e.text, 1));
    e.subKey = Field(e.text, 2);
    e.name = Field(e.text, 3);
    auto type = ParseScriptNumber(Field(e.text, 4));
    e.validType = type && *type >= -32768 && *type <= 32767;
    e.type = e.validType ? *type : 0;
    e.data = EntryData(e.text, e.type);
    return e;
}

void TellSkipped(const Entry& e) {
    platform::ShowMessage("A registry entry of this patch has no valid value type and was skipped:\r\n" + e.text,
                          kProgramName, platform::MsgIcon::Exclamation);
}

// A refused registry write is a failed action the run went on from: exit code 1 at least.
void CountFailure(RunContext& ctx) { ctx.st.ErrorState = std::max(ctx.st.ErrorState, 1); }

int ListCount(RunContext& ctx, const char* key) { return ParseCount(ctx.script.Read("Setup", key)); }

void AddValues(RunContext& ctx) {
    for (int n = 1, count = ListCount(ctx, "AddReg"); n <= count; ++n) {
        Entry e = ReadEntry(ctx, "AddReg", n);
        if (!e.validType) {
            TellSkipped(e);
            continue;
        }
        if (!ctx.undo.NoteValue(ctx.st.Hive, e.subKey, e.name) ||
            !ctx.io.registry.SetValue(ctx.st.Hive, e.subKey, e.name, e.type, e.data))
            CountFailure(ctx);
    }
}

void DeleteValues(RunContext& ctx) {
    for (int n = 1, count = ListCount(ctx, "DelReg"); n <= count; ++n) {
        Entry e = ReadEntry(ctx, "DelReg", n);
        if (!ctx.undo.NoteValue(ctx.st.Hive, e.subKey, e.name)) {
            CountFailure(ctx);
            continue;
        }
        uint32_t type = 0;
        std::string bytes;
        // A value that was not there is deleted all the same.
        if (!ctx.io.registry.DelValue(ctx.st.Hive, e.subKey, e.name) &&
            ctx.io.registry.ReadStored(ctx.st.Hive, e.subKey, e.name, type, bytes) != platform::StoredRead::Absent)
            CountFailure(ctx);
    }
}

// Why entry e cannot be paused, or "" when it can: a value is taken away only when it can be
// set back exactly. `setBack` receives the data to set back (none: absent, stays absent).
std::string PauseProblem(RunContext& ctx, const Entry& e, std::optional<std::string>& setBack, std::string& readText) {
    if (!e.validType) return "no valid value type";
    if (!platform::IsValueHive(ctx.st.Hive)) return "a registry root whose values cannot be set";
    if (e.data != kRetain) {
        if (!EncodeValueData(e.type, e.data)) return "data that does not fit its value type";
        setBack = e.data;
        return "";
    }
    uint32_t storedType = 0;
    std::string bytes;
    switch (ctx.io.registry.ReadStored(ctx.st.Hive, e.subKey, e.name, storedType, bytes)) {
        case platform::StoredRead::Absent: return "";
        case platform::StoredRead::Failed: return "a value that could not be read";
        case platform::StoredRead::Found: break;
    }
    auto text = PausableText(e.type, storedType, bytes);
    if (!text) return "a value that cannot be read whole as its entry's type";
    readText = *text;
    setBack = e.type == platform::kRegBinary ? BinaryReadTextToSetText(*text) : *text;
    return "";
}

void PauseValues(RunContext& ctx) {
    const int count = ListCount(ctx, "OffReg");
    if (count == 0) return;
    RememberedValues memory(ctx);
    memory.Begin(count);
    ctx.st.RestoreDue = true;
    std::string leftInPlace;
    for (int n = 1; n <= count; ++n) {
        Entry e = ReadEntry(ctx, "OffReg", n);
        std::optional<std::string> setBack;
        std::string readText;
        std::string problem = PauseProblem(ctx, e, setBack, readText);
        // Gone because an earlier run of this script paused it: what that run kept stays.
        const bool keptEarlier = problem.empty() && !setBack && memory.HoldsData(n, e.text);
        if (problem.empty() && !keptEarlier && !memory.Keep(n, e.text, ctx.st.Hive, setBack))
            problem = "it could not be remembered";
        if (!problem.empty()) {
            leftInPlace += "\r\n" + e.text + "  (" + problem + ")";
            continue;
        }
        // The script shows what was taken away; only the file above is read back.
        if (e.data == kRetain && !keptEarlier) {
            if (setBack)
                ctx.script.Write("OffReg", "Value" + std::to_string(n), readText);
            else
                ctx.script.Delete("OffReg", "Value" + std::to_string(n));
        }
        if (ctx.undo.NoteValue(ctx.st.Hive, e.subKey, e.name)) ctx.io.registry.DelValue(ctx.st.Hive, e.subKey, e.name);
    }
    if (!leftInPlace.empty())
        platform::ShowMessage("These registry values could not be paused, so they were left in place:" + leftInPlace,
                              kProgramName, platform::MsgIcon::Exclamation);
}

}  // namespace

void SelectHive(RuntimeState& st, const std::string& code) {
    static constexpr struct { const char* code; uint32_t hive; } kHives[] = {
        {"HKCR", kHiveClassesRoot}, {"HKCC", kHiveCurrentConfig},    {"HKCU", kHiveCurrentUser},
        {"HKDD", kHiveDynData},     {"HKLM", kHiveLocalMachine},     {"HKPD", kHivePerformanceData},
        {"HKUS", kHiveUsers},
    };
    for (const auto& h : kHives)
        if (code == h.code) st.Hive = h.hive;
}

std::string EntryData(const std::string& entry, int type) {
    if (type != platform::kRegBinary && type != platform::kRegString) return Field(entry, 5);
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        pos = entry.find(',', pos);
        if (pos == std::string::npos) return "";
        ++pos;
    }
    std::string_view rest(entry.data() + pos, entry.size() - pos);
    // A string keeps its commas and inner blanks ("C:\Apps, Inc").
    if (type == platform::kRegString) return TrimBlanks(rest.substr(0, rest.find('\0')));
    std::string out;
    for (;;) {
        const size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        out += TrimBlanks(item.substr(0, item.find('\0')));
        if (comma == std::string_view::npos) break;
        out += ',';
        rest.remove_prefix(comma + 1);
    }
    return out;
}

void RegistryPhase(RunContext& ctx) {
    AddValues(ctx);
    DeleteValues(ctx);
    PauseValues(ctx);
}

SetBackResult RestorePausedValues(RunContext& ctx) {
    ctx.st.RestoreDue = false;
    return RememberedValues(ctx).SetBack();
}

void RestoreAndExit(RunContext& ctx) {
    const int code = ExitCode(ctx.script.Read("Setup", "ERI"));
    // A run that paused nothing writes nothing back, whatever a file of kept values holds.
    if (ctx.st.RestoreDue) RestorePausedValues(ctx);
    if (code > 0) ExitWindows(ctx, code);
}

void ExitWindows(RunContext& ctx, int code) {
    if (ctx.io.system.ExitSession(code)) return;
    platform::ShowMessage("Windows refused to log off, restart or shut down. Please do it yourself to complete the patch.",
                          kProgramName, platform::MsgIcon::Exclamation);
}

int ExitCode(const std::string& text) {
    auto v = ParseScriptNumber(text);
    return (v && *v >= 1 && *v <= 3) ? *v : 0;
}

}  // namespace quen::runtime
