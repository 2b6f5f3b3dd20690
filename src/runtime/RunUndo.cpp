// How a run's undo record ends, and what an earlier run left behind.
#include "runtime/RunUndo.h"

#include "base/Errors.h"
#include "platform/Ui.h"
#include "runtime/RunSequence.h"
#include "startup/ProgramInfo.h"

namespace quen::runtime {

namespace {

std::string ProblemText(const UndoTexts& t, const std::vector<UndoProblem>& problems) {
    std::string text = t.notPutBack;
    for (const UndoProblem& p : problems) text += "\r\n" + p.what + "  (" + t.originalAt + " " + p.original + ")";
    return text + "\r\n" + t.triedAgain;
}

void Log(RunContext& ctx, const std::string& text) {
    if (ctx.st.Texts.showLog) ctx.io.windows.AppendLog(text);
    if (ctx.io.log) ctx.io.log->Append(text);
}

}  // namespace

UndoTexts UndoTextsOf(RunContext& ctx, const std::string& script) {
    try {
        if (!script.empty() && ctx.io.files.Exists(script)) return ReadUndoTexts(ctx.io.ini, script);
    } catch (const Error&) {
        // unreadable: the built-in texts
    }
    return UndoTexts();
}

bool OtherRunHolds(RunContext& ctx, bool quiet) {
    if (ctx.io.system.HoldRunLock()) return false;
    const UndoTexts t = UndoTextsOf(ctx, ctx.st.ScriptFile);
    if (!quiet) platform::ShowMessage(t.otherRuns + "\r\n\r\n" + t.nothingChanged, kProgramName, platform::MsgIcon::Exclamation);
    return true;
}

bool SettleEarlierRun(RunContext& ctx) {
    // The same script's own record: its resumed run, or its first phase started again
    // while the resumed run waits. Either way the undo takes back both runs' changes.
    if (!ctx.st.ScriptFile.empty() && ctx.undo.Resume()) return true;
    const RecoveryResult r = RecoverUndoRecord(ctx.io.files, ctx.io.registry, UndoRecordPath(ctx.io.system.StateDir()));
    if (r.problems.empty()) return true;
    // In this run's language; a settling run has only the interrupted one's script.
    const UndoTexts t = UndoTextsOf(ctx, ctx.st.ScriptFile.empty() ? r.owner : ctx.st.ScriptFile);
    const std::string text = r.damaged ? t.unreadable + " " + r.problems[0].what
                                       : t.notUndone + " " + ProblemText(t, r.problems);
    platform::ShowMessage(text + "\r\n\r\n" + t.nothingChanged, kProgramName, platform::MsgIcon::Critical);
    return false;
}

std::string UndoRun(RunContext& ctx) {
    const std::vector<std::string> programs = ctx.undo.ProgramsRun();
    const std::vector<UndoProblem> problems = ctx.undo.Undo();
    const UndoTexts& t = ctx.st.Texts.undo;
    std::string text = problems.empty() ? t.undone : ProblemText(t, problems);
    // What a program did on its own is beyond the record.
    for (const std::string& p : programs) text += "\r\n" + p + ": " + t.programRan;
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
