// The file actions of a script patch: byte replacement, delete, INI patch, rename.
#include "runtime/FileActions.h"

#include "maker/SourceChecksum.h"
#include "maker/PackageLayout.h"
#include "runtime/ByteEdits.h"
#include "runtime/PackageActions.h"
#include "runtime/ScriptValues.h"
#include "runtime/SecuredChanges.h"
#include "startup/IniLines.h"

namespace quen::runtime {

uint32_t BufferCheckSum(const Bytes& data) { return SourceChecksum(data); }

bool FileCheckSum(FilePort& files, const std::string& path, uint32_t& sum) {
    Bytes data;
    if (!files.ReadAll(path, data)) return false;
    sum = BufferCheckSum(data);
    return true;
}

namespace {

std::vector<ByteRecord> ReadByteRecords(RunContext& ctx, const std::string& section) {
    std::vector<ByteRecord> records;
    const int count = ParseCount(ctx.script.Read(section, "Count"));
    for (int k = 1; k <= count; ++k) {
        const std::string n = std::to_string(k);
        records.push_back({ctx.script.Read(section, "BEnable" + n), ctx.script.Read(section, "BType" + n),
                           ctx.script.Read(section, "BRead" + n), ctx.script.Read(section, "BNew" + n)});
    }
    return records;
}

}  // namespace

ActionResult PatchBytes(RunContext& ctx, int index, const std::string& target) {
    const std::string section = ActionSection(index);
    Bytes data;
    if (!ctx.io.files.ReadAll(target, data)) return ActionResult::Failed;
    const std::string checkSum = TrimBlanks(ctx.script.Read(section, "CheckSum"));
    if (ctx.script.Read(section, "DONTChk") != "1" && !checkSum.empty()) {
        auto expected = ParseScriptNumber(checkSum);
        if (!expected) return ActionResult::Failed;
        if (static_cast<uint32_t>(*expected) != BufferCheckSum(data)) return ActionResult::CheckSumDiffers;
    }
    auto edits = ParseByteRecords(ReadByteRecords(ctx, section));
    if (!edits) return ActionResult::Failed;
    WindowPort& windows = ctx.io.windows;
    const bool applied = ApplyByteEdits(data, *edits, [&windows] { windows.PumpEvents(); });
    // Entries that worked stay applied even when another one failed.
    if (!WriteSecured(ctx, target, data, ctx.st.Texts.makeBackup)) return ActionResult::Failed;
    return applied ? ActionResult::Success : ActionResult::Failed;
}

namespace {

// The INI definitions of action `index`: from the package's data file when the patch
// carries one, else the enabled keys of the script's action section.
std::optional<std::vector<std::string>> IniDefinitions(RunContext& ctx, int index) {
    if (!ctx.st.PackageFolder.empty()) {
        Bytes block;
        if (!ctx.io.files.ReadAll(PackageDataPath(ctx.st, index), block)) return std::nullopt;
        return ReadIniBlock(block);
    }
    const std::string section = ActionSection(index);
    const int count = ParseCount(ctx.script.Read(section, "Count"));
    std::vector<std::string> defs;
    for (int k = 1; k <= count; ++k) {
        const std::string n = std::to_string(k);
        if (ctx.script.Read(section, "INIKeyEnable" + n) != "False") defs.push_back(ctx.script.Read(section, "INIKey" + n));
    }
    return defs;
}

}  // namespace

bool ApplyIniEntries(RunContext& ctx, const std::string& target, int index) {
    const auto defs = IniDefinitions(ctx, index);
    Bytes text;
    if (!defs || !ctx.io.files.ReadAll(target, text)) return false;
    // Every entry is made in memory by the system's own line rules, then the file is
    // replaced once: a stop or a kill never leaves it half edited.
    ini::Lines lines = ini::SplitLines(std::string(text.begin(), text.end()));
    bool result = true;
    for (const std::string& def : *defs) {
        const std::string iniSection = Field(def, 1), key = Field(def, 2), value = Field(def, 3);
        // A nameless key would only add a stray "=" line to the user's file.
        const bool kill = value == "%Kill%";
        if (key.empty() || iniSection.empty() ||
            !ini::EditKey(lines, iniSection, key, value, kill ? ini::KeyEdit::Remove : ini::KeyEdit::Write))
            result = false;
    }
    const std::string edited = ini::JoinLines(lines);
    return WriteSecured(ctx, target, Bytes(edited.begin(), edited.end()), false) && result;
}

bool RenameTarget(RunContext& ctx, int index, const std::string& folder, const std::string& target) {
    const std::string newName = TrimBlanks(ctx.script.Read(ActionSection(index), "NewName"));
    // A new name only: no folder, drive or stream, so the file stays in its folder.
    if (newName.empty() || newName == "." || newName == ".." || newName.find_first_of("\\/:") != std::string::npos)
        return false;
    const std::string newPath = folder + "\\" + newName;
    if (newPath == target) return true;  // deleting the "other" file would delete the target
    return RenameSecured(ctx, target, newPath);
}

}  // namespace quen::runtime
