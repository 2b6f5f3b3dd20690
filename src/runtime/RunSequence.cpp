// The run sequence of a patch script.
#include "runtime/RunSequence.h"

#include "base/Errors.h"
#include "platform/Ui.h"
#include "runtime/ActionLoop.h"
#include "runtime/CommandLine.h"
#include "runtime/RegistryPhase.h"
#include "runtime/RunContext.h"
#include "runtime/RunUndo.h"
#include "runtime/ScriptValues.h"
#include "runtime/StartEntry.h"
#include "startup/FSUPLIBmain.h"
#include "startup/ProgramInfo.h"

namespace quen::runtime {

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string SystemFolder(std::string s) {
    std::string out;
    for (char c : s)
        if (c != '\0') out += c;
    return TrimBlanks(out);
}

bool IdentifierMatches(RunContext& ctx) {
    try {
        // A package script carries no identifier: the head checked the whole package.
        if (!ctx.st.PackageFolder.empty()) return ctx.io.files.Exists(ctx.st.ScriptFile);
        return ctx.script.Read("Setup", "ScriptID") == kScriptId;
    } catch (const Error&) {
        return false;  // a missing or unreadable script is no script of ours
    }
}

// Shows the runtime window in `mode`; true when the user cancelled.
bool ShowWindow(RunContext& ctx, WindowMode mode) {
    ctx.st.Mode = mode;
    ShowModel model = BuildShowModel(mode, ctx.st.Texts, ctx.st.ErrorState);
    if (mode == WindowMode::End && !ctx.st.EndNote.empty()) model.text += "\r\n\r\n" + ctx.st.EndNote;
    const bool cancelled = ctx.io.windows.ShowAndWait(model);
    if (cancelled) ctx.st.Cancelled = true;
    return cancelled;
}

RunOutcome OutcomeOf(int errorState) {
    if (errorState == 0) return RunOutcome::AllDone;
    return errorState == 1 ? RunOutcome::FailuresSkipped : RunOutcome::Stopped;
}

RunOutcome ActionsAndClose(RunContext& ctx) {
    RunActions(ctx);
    EndRecord(ctx);
    if (ctx.st.Texts.showLog) ctx.io.windows.FinishProgress(FinishedProgressModel(ctx.st.Texts));
    if (ctx.script.Read("Setup", "ShowE") == "1" || ctx.st.ErrorState != 0) ShowWindow(ctx, WindowMode::End);
    RestoreAndExit(ctx);
    return OutcomeOf(ctx.st.ErrorState);
}

// Leaves Windows before the actions, which run again from the Run value.
RunOutcome LeaveBeforeActions(RunContext& ctx, const RunRequest& request, int code) {
    // The resumed run takes the record over: a settling run beside it at the next logon
    // would undo the first phase under it. (Killed between the two: the next patch settles.)
    ctx.undo.RemoveRecovery();
    if (!ArrangeStartEntry(ctx, ResumeCommand(request))) {
        // Without the Run value the actions would never run: undo the registry phase and stop.
        RestorePausedValues(ctx);
        UndoRun(ctx);
        platform::ShowMessage(
            "This patch must restart Windows before it changes any file, but it could not arrange to run again "
            "after the restart. Run the patch as an administrator.",
            kProgramName, platform::MsgIcon::Critical);
        return RunOutcome::Stopped;
    }
    ExitWindows(ctx, code);
    // No action has run yet, whether or not Windows agreed to exit.
    return RunOutcome::RestartNeeded;
}

constexpr const char* kRunValueStays =
    "This patch could not remove its entry that starts it at every logon, so it stopped before changing any "
    "file. Run the patch as an administrator to complete it.";

// A resumed run whose script is gone or unreadable: it must not come back at every logon,
// and what its first phase paused is set back.
RunOutcome EndResumedRunWithoutScript(RunContext& ctx) {
    std::string text = "BAD Script File";
    if (!RemoveStartEntry(ctx)) text += std::string("\r\n\r\n") + kRunValueStays;
    if (!ctx.undo.Empty()) text += "\r\n\r\n" + UndoRun(ctx);
    const SetBackResult restored = RestorePausedValues(ctx);
    if (restored.setBack > 0)
        text += "\r\n\r\nThe registry values this patch had paused were set back.";
    platform::ShowMessage(text, "Script ERROR", platform::MsgIcon::Critical);
    return RunOutcome::CancelledOrBad;
}

RunOutcome FirstPhase(RunContext& ctx, const RunRequest& request) {
    if (ctx.script.Read("Setup", "ShowW") == "1" && ShowWindow(ctx, WindowMode::Welcome))
        return RunOutcome::CancelledOrBad;
    if (ctx.script.Read("Setup", "ShowI") == "1" && ShowWindow(ctx, WindowMode::Information))
        return RunOutcome::CancelledOrBad;
    RegistryPhase(ctx);
    const int code = ExitCode(ctx.script.Read("Setup", "PRI"));
    if (code > 0) return LeaveBeforeActions(ctx, request, code);
    return ActionsAndClose(ctx);
}

RunOutcome Run(RunContext& ctx, const RunRequest& request) {
    if (!SettleEarlierRun(ctx)) return RunOutcome::Stopped;
    if (!IdentifierMatches(ctx)) {
        if (ctx.st.SecondPhase) return EndResumedRunWithoutScript(ctx);
        platform::ShowMessage("BAD Script File", "Script ERROR", platform::MsgIcon::Critical);
        return RunOutcome::CancelledOrBad;
    }
    ctx.st.WinDir = SystemFolder(ctx.io.system.WindowsDir());
    ctx.st.SysDir = SystemFolder(ctx.io.system.SystemDir());
    ctx.st.Texts = ReadScriptTexts(ctx.io.ini, ctx.st.ScriptFile);
    const std::string picture = ctx.st.PackageFolder + "\\Setup.img";
    if (!ctx.st.PackageFolder.empty() && ParseTruth(ctx.script.Read("Setup", "ShowP"), false) &&
        ctx.io.files.Exists(picture))
        ctx.st.Texts.picture = picture;
    if (ctx.st.SecondPhase) {
        if (!RemoveStartEntry(ctx)) {
            // Otherwise the actions would run again at every logon; the values come back now.
            RestorePausedValues(ctx);
            platform::ShowMessage(kRunValueStays, kProgramName, platform::MsgIcon::Critical);
            return RunOutcome::Stopped;
        }
        // From here the record is this run's, settled at the next logon if the run dies.
        if (!ctx.undo.Empty()) ctx.undo.ArrangeRecovery();
        ctx.st.RestoreDue = true;
        return ActionsAndClose(ctx);
    }
    return FirstPhase(ctx, request);
}

}  // namespace

ScriptTexts ReadScriptTexts(IniPort& ini, const std::string& scriptFile) {
    ScriptAccess s(ini, scriptFile);
    auto r = [&s](const char* key) { return s.Read("Text", key); };
    ScriptTexts t;
    t.font = r("Font");
    t.fontSize = r("FontS");
    t.welcomeTitle = r("WTitle");
    t.welcomeText = r("WText");
    t.endTitle = r("ETitle");
    t.endText = r("EText");
    t.infoTitle = r("ITitle");
    t.infoText = r("IText");
    t.prompt = r("PText");
    t.okButton = r("OK");
    t.cancelButton = r("CANCEL");
    t.aboutButton = r("About");
    t.fileNotFound = r("FNF");
    t.checkSumDiffers = r("SFD");
    t.errorTitle = r("ERR");
    t.onPatch = r("OnPatch");
    t.patchFail = r("PatchFail");
    t.brokenWarn = r("BrokenWarn");
    t.patchFileTitle = r("PatchFileTitle");
    t.labelDelete = r("strDelFile");
    t.labelIni = r("strPatchINI");
    t.labelRename = r("strRenFile");
    t.labelBytes = r("strPatchByte");
    t.success = r("strSuccess");
    t.labelExecute = r("strExecute");
    t.labelAdd = r("strAddFile");
    t.labelPatchFile = r("strPatchFile");
    t.makeBackup = ParseTruth(r("MakeBKFile"), true);
    t.continueOnError = ParseTruth(r("CWhenError"), false);
    t.undo = ReadUndoTexts(ini, scriptFile);
    t.showLog = ParseTruth(r("ShowRun"), false);
    return t;
}

UndoTexts ReadUndoTexts(IniPort& ini, const std::string& scriptFile) {
    ScriptAccess s(ini, scriptFile);
    UndoTexts t;
    for (const UndoTextKey& k : kUndoTextKeys)
        if (const std::string text = s.Read("Text", k.key); !text.empty()) t.*k.text = text;
    return t;
}

std::string ResumeCommand(const RunRequest& request) {
    const std::string options = request.resumeOptions.empty() ? "" : request.resumeOptions + " ";
    return Quoted(StripTrailingBackslash(request.programFolder) + "\\" + request.exeName + ".exe") + " " + options +
           kResumeMarker + " " + Quoted(request.patchId.empty() ? request.scriptFile : request.patchId);
}

namespace {

RuntimeState StateOf(const RunRequest& request) {
    RuntimeState st;
    st.ScriptFile = request.scriptFile;
    st.PatchId = request.patchId.empty() ? request.scriptFile : request.patchId;
    st.SecondPhase = request.secondPhase;
    st.ProgramFolder = request.programFolder;
    st.ExeName = request.exeName;
    st.ResumeOptions = request.resumeOptions;
    st.PackageFolder = StripTrailingBackslash(request.packageFolder);
    st.MeFolder = StripTrailingBackslash(request.meFolder);
    return st;
}

}  // namespace

RunOutcome EndResumedRun(const RunRequest& request, RuntimePorts& ports) {
    RuntimeState st = StateOf(request);
    RunContext ctx(st, ports);
    if (OtherRunHolds(ctx, false)) return RunOutcome::CancelledOrBad;
    return EndResumedRunWithoutScript(ctx);
}

RunOutcome SettleInterruptedRun(const RunRequest& request, RuntimePorts& ports) {
    RuntimeState st = StateOf(request);
    st.ScriptFile.clear();
    RunContext ctx(st, ports);
    // The run holding the lock settles the record itself before it changes anything.
    if (OtherRunHolds(ctx, true)) return RunOutcome::CancelledOrBad;
    return SettleEarlierRun(ctx) ? RunOutcome::AllDone : RunOutcome::Stopped;
}

RunOutcome RunScript(const RunRequest& request, RuntimePorts& ports) {
    RuntimeState st = StateOf(request);
    RunContext ctx(st, ports);
    if (OtherRunHolds(ctx, false)) return RunOutcome::CancelledOrBad;
    ctx.undo.SetEnabled(request.undoRecord);
    try {
        return Run(ctx, request);
    } catch (const Error& e) {
        // The script vanished or became unreadable during the run: what was paused comes
        // back before the run stops (the values are kept outside the script).
        std::string text = "The patch script could not be read: " + std::string(e.what());
        if (st.RestoreDue && RestorePausedValues(ctx).setBack > 0)
            text += "\r\nThe registry values this patch had paused were set back.";
        if (!ctx.undo.Empty()) text += "\r\n" + UndoRun(ctx);
        platform::ShowMessage(text, "Script ERROR", platform::MsgIcon::Critical);
        return RunOutcome::Stopped;
    } catch (...) {
        // Out of memory on a large file, say: changes may have been made, so this is a stop.
        std::string text = "The patch stopped on an unexpected fault.";
        if (st.RestoreDue && RestorePausedValues(ctx).setBack > 0)
            text += "\r\nThe registry values this patch had paused were set back.";
        if (!ctx.undo.Empty()) text += "\r\n" + UndoRun(ctx);
        platform::ShowMessage(text, kProgramName, platform::MsgIcon::Critical);
        return RunOutcome::Stopped;
    }
}

}  // namespace quen::runtime
