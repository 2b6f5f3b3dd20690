// The actions of a patch executable that carry file data in its package.
#include "runtime/PackageActions.h"

#include "maker/ApplyDifference.h"
#include "maker/PackageLayout.h"
#include "maker/SourceChecksum.h"
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
    DifferenceHeader header;
    if (!files.ReadAll(PackageDataPath(ctx.st, index), difference) || !ReadDifferenceHeader(difference, header))
        return ActionResult::Failed;
    if (!files.ReadAll(target, oldFile)) return ActionResult::Failed;
    if (oldFile.size() != header.oldLength || SourceChecksum(oldFile) != header.oldChecksum)
        return ActionResult::CheckSumDiffers;
    const ApplyResult rebuilt = ApplyDifference(oldFile, difference);
    if (!rebuilt.Ok()) return ActionResult::Failed;
    ctx.io.windows.PumpEvents();
    return WriteSecured(ctx, target, rebuilt.newFile, ctx.st.Texts.makeBackup) ? ActionResult::Success : ActionResult::Failed;
}

}  // namespace quen::runtime
