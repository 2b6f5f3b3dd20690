// The action loop: every action section in order, the progress log and the continue rule.
#include "runtime/ActionLoop.h"

#include <algorithm>

#include "runtime/FileActions.h"
#include "runtime/PackageActions.h"
#include "runtime/ScriptValues.h"
#include "runtime/SecuredChanges.h"
#include "runtime/TargetDir.h"

namespace quen::runtime {

namespace {

class ActionLog {
public:
    explicit ActionLog(RunContext& ctx) : ctx_(ctx), on_(ctx.st.Texts.showLog) {}
    void Begin(const std::string& label, const std::string& target) { Append(label + " " + target); }
    void End(const std::string& outcome) { Append(" " + outcome + "\r\n"); }

private:
    void Append(const std::string& text) {
        if (on_) ctx_.io.windows.AppendLog(text);
        if (ctx_.io.log) ctx_.io.log->Append(text);
    }
    RunContext& ctx_;
    bool on_;
};

const std::string& OutcomeText(const ScriptTexts& t, ActionResult r) {
    switch (r) {
        case ActionResult::Success: return t.success;
        case ActionResult::NotFound: return t.fileNotFound;
        case ActionResult::CheckSumDiffers: return t.checkSumDiffers;
        case ActionResult::Failed: break;
    }
    return t.patchFail;
}

// Kinds 0, 1 and 2 need data that only a patch executable's package carries; a stand-alone
// script passes them over.
const std::string* LabelOf(const ScriptTexts& t, const std::string& act, bool package) {
    if (package && act == "0") return &t.labelExecute;
    if (package && act == "1") return &t.labelAdd;
    if (package && act == "2") return &t.labelPatchFile;
    if (act == "3") return &t.labelBytes;
    if (act == "4") return &t.labelDelete;
    if (act == "5") return &t.labelIni;
    if (act == "6") return &t.labelRename;
    return nullptr;
}

ActionResult Perform(RunContext& ctx, int i, const std::string& act, const std::string& folder,
                     const std::string& target) {
    FilePort& files = ctx.io.files;
    // No folder: never fall back to the root of the current drive.
    if (folder.empty()) return ActionResult::NotFound;
    if (act == "4") return DeleteSecured(ctx, target) ? ActionResult::Success : ActionResult::Failed;
    if (act == "0" || act == "1") return CarryFile(ctx, i, folder, target, act == "0");
    if (!files.Exists(target) || files.IsDirectory(target)) return ActionResult::NotFound;
    if (act == "2") return PatchFile(ctx, i, target);
    if (act == "3") return PatchBytes(ctx, i, target);
    if (act == "5") return ApplyIniEntries(ctx, target, i) ? ActionResult::Success : ActionResult::Failed;
    return RenameTarget(ctx, i, folder, target) ? ActionResult::Success : ActionResult::Failed;
}

// A file added to a sub folder that the old version lacks: the folders below the action's
// base folder are made one by one, never the base folder itself.
void MakeSubFolders(RunContext& ctx, const std::string& base, const std::string& dir) {
    FilePort& files = ctx.io.files;
    if (base.empty() || !files.IsDirectory(base)) return;
    std::string path = base;
    for (size_t at = 2; at < dir.size(); at = std::min(dir.find('\\', at), dir.size()) + 1) {
        path += "\\" + dir.substr(at, dir.find('\\', at) - at);
        if (files.IsDirectory(path)) continue;
        // Noted first, so an undo takes the folder away again.
        if (!ctx.undo.NoteAdded(path) || !files.MakeFolder(path)) return;
    }
}

}  // namespace

void RunActions(RunContext& ctx) {
    const ScriptTexts& texts = ctx.st.Texts;
    if (texts.showLog) {
        ctx.st.Mode = WindowMode::Progress;
        ctx.io.windows.OpenProgress(BuildShowModel(WindowMode::Progress, texts, 0));
        ctx.io.windows.PumpEvents();
    }
    ActionLog log(ctx);
    const int count = ParseCount(ctx.script.Read("Setup", "ProcCount"));
    for (int i = 1; i <= count; ++i) {
        const std::string section = ActionSection(i);
        if (ctx.script.Read(section, "Enable") == "False") continue;
        const std::string file = ctx.script.Read(section, "File");
        const std::string act = ctx.script.Read(section, "Act");
        const std::string dir = ctx.script.Read(section, "Dir");
        const std::string folder = ResolveDir(ctx, dir, section);
        const std::string* label = LabelOf(texts, act, !ctx.st.PackageFolder.empty());
        if (label) {
            const std::string target = folder + "\\" + file;
            log.Begin(*label, target);
            if (act == "1" && dir.starts_with(".\\")) MakeSubFolders(ctx, ctx.st.PreviousDir, dir);
            const ActionResult r = Perform(ctx, i, act, folder, target);
            log.End(OutcomeText(texts, r));
            if (r != ActionResult::Success) {
                ctx.st.ErrorState = texts.continueOnError ? std::max(ctx.st.ErrorState, 1) : 2;
                if (!texts.continueOnError) break;
            }
        }
        ctx.io.windows.PumpEvents();
    }
}

}  // namespace quen::runtime
