// How a run's undo record ends, and what an earlier run left behind.
#include "runtime/RunUndo.h"

#include "platform/Ui.h"
#include "startup/ProgramInfo.h"

namespace quen::runtime {

namespace {

std::string ProblemText(const std::vector<UndoProblem>& problems) {
    std::string text = "This could not be put back:";
    for (const UndoProblem& p : problems) text += "\r\n" + p.what + "  (its original: " + p.original + ")";
    return text + "\r\nIt is tried again when a patch starts next.";
}

void Log(RunContext& ctx, const std::string& text) {
    if (ctx.st.Texts.showLog) ctx.io.windows.AppendLog(text);
    if (ctx.io.log) ctx.io.log->Append(text);
}

}  // namespace

bool SettleEarlierRun(RunContext& ctx) {
    // The same script's own record: its resumed run, or its first phase started again
    // while the resumed run waits. Either way the undo takes back both runs' changes.
    if (ctx.undo.Resume()) return true;
    const RecoveryResult r = RecoverUndoRecord(ctx.io.files, ctx.io.registry, UndoRecordPath(ctx.io.system.StateDir()));
    if (r.problems.empty()) return true;
    const std::string text = r.damaged ? "The record of an interrupted patch cannot be read: " + r.problems[0].what
                                       : "An interrupted patch could not be undone. " + ProblemText(r.problems);
    platform::ShowMessage(text + "\r\n\r\nThis patch did not change anything.", kProgramName,
                          platform::MsgIcon::Critical);
    return false;
}

std::string UndoRun(RunContext& ctx) {
    const std::vector<std::string> programs = ctx.undo.ProgramsRun();
    const std::vector<UndoProblem> problems = ctx.undo.Undo();
    std::string text = problems.empty() ? ctx.st.Texts.undone : ProblemText(problems);
    // What a program did on its own is beyond the record.
    for (const std::string& p : programs) text += "\r\n" + p + ": ran, its own changes stay";
    return text;
}

void EndRecord(RunContext& ctx) {
    if (ctx.st.ErrorState != 2) {
        ctx.undo.Keep();
        return;
    }
    ctx.st.EndNote = UndoRun(ctx);
    Log(ctx, ctx.st.EndNote + "\r\n");
}

}  // namespace quen::runtime
