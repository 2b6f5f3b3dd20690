// Turning an action's directory setting into a folder.
#include "runtime/TargetDir.h"

#include "runtime/RegistryPhase.h"
#include "runtime/ScriptValues.h"
#include "startup/FSUPLIBmain.h"

namespace quen::runtime {

std::string FolderOf(FilePort& files, const std::string& path) {
    if (path.empty()) return "";
    if (files.IsDirectory(path)) return StripTrailingBackslash(path);
    size_t k = path.rfind('\\');
    if (k == std::string::npos || k < 2) return "";
    return path.substr(0, k);
}

namespace {

std::string FromRegistry(RunContext& ctx, const std::string& section) {
    const std::string regKey = ctx.script.Read(section, "RegKey");
    ctx.st.Hive = kHiveNone;  // a fresh accessor
    SelectHive(ctx.st, Field(regKey, 1));
    std::string value;
    if (!ctx.io.registry.ReadValue(ctx.st.Hive, Field(regKey, 2), Field(regKey, 3), 1, value)) return "";
    if (value.find('.') != std::string::npos) return FolderOf(ctx.io.files, value);
    return value;
}

std::string FromQuestion(RunContext& ctx, const std::string& section) {
    AskTexts t;
    t.title = ctx.script.Read(section, "Title");
    t.prompt = ctx.script.Read(section, "Prompt");
    t.browse = ctx.script.Read(section, "Brow");
    t.ok = ctx.script.Read(section, "OK");
    t.notFound = ctx.script.Read(section, "DNF");
    t.errorTitle = ctx.st.Texts.errorTitle;
    std::string chosen = ctx.io.windows.AskDirectory(t, FolderOf(ctx.io.files, ctx.st.PreviousDir));
    if (!chosen.empty()) ctx.st.AskedDir = chosen;
    return chosen;
}

}  // namespace

std::string ResolveDir(RunContext& ctx, const std::string& dir, const std::string& section) {
    std::string d;
    if (dir == "Pre") return ctx.st.PreviousDir;
    if (dir.size() >= 2 && dir[0] == '.' && dir[1] == '\\') {
        // Below the previous folder; with none there is nothing to be below.
        if (ctx.st.PreviousDir.empty()) return "";
        return StripTrailingBackslash(ctx.st.PreviousDir + dir.substr(1));
    }
    if (dir == "Me") {
        d = ctx.st.MeFolder.empty() ? FolderOf(ctx.io.files, ctx.st.ScriptFile) : ctx.st.MeFolder;
    } else if (dir == "Reg") {
        d = FromRegistry(ctx, section);
    } else if (dir == "Ask") {
        d = FromQuestion(ctx, section);
    } else if (dir == "Win") {
        d = ctx.st.WinDir;
    } else if (dir == "Sys") {
        d = ctx.st.SysDir;
    } else {
        d = dir;
    }
    d = StripTrailingBackslash(d);
    ctx.st.PreviousDir = d;
    return d;
}

}  // namespace quen::runtime
