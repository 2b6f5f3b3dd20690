// The registry side of a patch: add, delete and pause values, restore them, leave Windows.
#include "runtime/RegistryPhase.h"

#include <string_view>

#include "platform/Ui.h"
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

int ListCount(RunContext& ctx, const char* key) { return ParseCount(ctx.script.Read("Setup", key)); }

void AddValues(RunContext& ctx) {
    for (int n = 1, count = ListCount(ctx, "AddReg"); n <= count; ++n) {
        Entry e = ReadEntry(ctx, "AddReg", n);
        if (!e.validType) {
            TellSkipped(e);
            continue;
        }
        ctx.io.registry.SetValue(ctx.st.Hive, e.subKey, e.name, e.type, e.data);
    }
}

void DeleteValues(RunContext& ctx) {
    for (int n = 1, count = ListCount(ctx, "DelReg"); n <= count; ++n) {
        Entry e = ReadEntry(ctx, "DelReg", n);
        ctx.io.registry.DelValue(ctx.st.Hive, e.subKey, e.name);
    }
}

void PauseValues(RunContext& ctx) {
    RememberedValues memory(ctx);
    memory.Clear();
    for (int n = 1, count = ListCount(ctx, "OffReg"); n <= count; ++n) {
        Entry e = ReadEntry(ctx, "OffReg", n);
        if (e.data == kRetain) {
            if (!e.validType) {
                TellSkipped(e);
                continue;
            }
            std::string current;
            bool present = ctx.io.registry.ReadValue(ctx.st.Hive, e.subKey, e.name, e.type, current);
            if (!memory.Keep(n, e.text, present, current)) {
                // Deleting a value that could not be remembered would lose it.
                platform::ShowMessage("A registry value could not be remembered, so it was left in place:\r\n" + e.text,
                                      kProgramName, platform::MsgIcon::Exclamation);
                continue;
            }
        }
        ctx.io.registry.DelValue(ctx.st.Hive, e.subKey, e.name);
    }
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
    if (type == platform::kRegString) return Trim(rest.substr(0, rest.find('\0')));
    std::string out;
    for (;;) {
        const size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        out += Trim(item.substr(0, item.find('\0')));
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

bool RestorePausedValues(RunContext& ctx) {
    RememberedValues memory(ctx);
    bool all = true;
    for (int n = 1, count = ListCount(ctx, "OffReg"); n <= count; ++n) {
        Entry e = ReadEntry(ctx, "OffReg", n);
        if (!e.validType) continue;  // told about when it was paused
        std::string data = e.data;
        if (data == kRetain) {
            std::string remembered;
            if (!memory.Recall(n, e.text, remembered)) continue;  // it did not exist: stays absent
            // A binary value is remembered as the hex list it was read as.
            data = e.type == platform::kRegBinary ? BinaryReadTextToSetText(remembered) : remembered;
        }
        if (!ctx.io.registry.SetValue(ctx.st.Hive, e.subKey, e.name, e.type, data)) all = false;
    }
    if (all) memory.Clear();
    return all;
}

void RestoreAndExit(RunContext& ctx) {
    const int code = ExitCode(ctx.script.Read("Setup", "ERI"));
    RestorePausedValues(ctx);
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
