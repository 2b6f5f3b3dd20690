// The actions of a patch executable that carry file data in its package.
#include "runtime/PackageActions.h"

#include "maker/ApplyDifference.h"
#include "maker/PackageLayout.h"
#include "maker/SourceChecksum.h"
#include "project/TextFields.h"
#include "startup/ProgramSettings.h"
#include "runtime/SecuredChanges.h"

namespace quen::runtime {

std::string PackageDataPath(const RuntimeState& st, int index) {
    return st.PackageFolder + "\\" + DataFileName(index);
}

ActionResult CarryFile(RunContext& ctx, int index, const std::string& folder, const std::string& target, bool run) {
    FilePort& files = ctx.io.files;
    if (!files.IsDirectory(folder)) return ActionResult::NotFound;
    if (files.IsDirectory(target)) return ActionResult::Failed;
    Bytes data;
    if (!files.ReadAll(PackageDataPath(ctx.st, index), data)) return ActionResult::Failed;
    if (!WriteSecured(ctx, target, data, ctx.st.Texts.makeBackup)) return ActionResult::Failed;
    if (run && !(NoteProgramRun(ctx, target) && ctx.io.system.RunAndWait(target, folder))) return ActionResult::Failed;
    return ActionResult::Success;
}

ActionResult PatchFile(RunContext& ctx, int index, const std::string& target) {
    FilePort& files = ctx.io.files;
    Bytes difference, oldFile;
    if (!files.ReadAll(target, oldFile)) return ActionResult::Failed;
    const std::uint32_t checksum = SourceChecksum(oldFile);
    // The action's own difference first, then those of further old versions.
    std::vector<int> candidates{index};
    const std::string versions = ctx.script.Read(ActionSection(index), "Versions");
    for (const std::string& n : versions.empty() ? std::vector<std::string>{} : SplitFields(versions)) {
        const std::optional<int64_t> number = ParseSettingsNumber(n, 1, INT32_MAX);
        if (!number) return ActionResult::Failed;
        candidates.push_back(static_cast<int>(*number));
    }
    bool matched = false;
    for (int candidate : candidates) {
        DifferenceHeader header;
        if (!files.ReadAll(PackageDataPath(ctx.st, candidate), difference) || !ReadDifferenceHeader(difference, header))
            return ActionResult::Failed;
        matched = oldFile.size() == header.oldLength && checksum == header.oldChecksum;
        if (matched) break;
    }
    if (!matched) return ActionResult::CheckSumDiffers;
    const ApplyResult rebuilt = ApplyDifference(oldFile, difference);
    if (!rebuilt.Ok()) return ActionResult::Failed;
    ctx.io.windows.PumpEvents();
    return WriteSecured(ctx, target, rebuilt.newFile, ctx.st.Texts.makeBackup) ? ActionResult::Success : ActionResult::Failed;
}

}  // namespace quen::runtime
