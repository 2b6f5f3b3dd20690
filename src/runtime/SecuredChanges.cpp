// Changes to the user's files made only once the undo record can put them back.
#include "runtime/SecuredChanges.h"

#include "base/Text.h"

namespace quen::runtime {

namespace {

// Moves `path` aside as the record names it; the aside path, or nullopt (nothing moved).
std::optional<std::string> MoveAside(RunContext& ctx, const std::string& path, bool backup) {
    auto aside = ctx.undo.NoteSetAside(path, backup);
    if (!aside) return std::nullopt;
    if (ctx.io.files.MoveReplace(path, *aside)) return aside;
    ctx.undo.DropLast();
    return std::nullopt;
}

void PutBack(RunContext& ctx, const std::string& aside, const std::string& path) {
    if (ctx.io.files.MoveReplace(aside, path)) ctx.undo.DropLast();
}

// Writes the content of a file that was just moved aside (or never existed).
bool WriteInPlaceOf(RunContext& ctx, const std::string& target, const Bytes& data,
                    const std::optional<std::string>& aside) {
    if (ctx.io.files.WriteFlushed(target, data)) return true;
    if (aside)
        PutBack(ctx, *aside, target);
    else
        ctx.undo.DropLast();
    return false;
}

}  // namespace

bool WriteSecured(RunContext& ctx, const std::string& target, const Bytes& data, bool backup) {
    FilePort& files = ctx.io.files;
    if (!ctx.undo.Enabled()) return files.WriteReplacing(target, data);
    if (files.IsDirectory(target)) return false;
    if (!files.Exists(target)) return ctx.undo.NoteAdded(target) && WriteInPlaceOf(ctx, target, data, std::nullopt);
    auto aside = MoveAside(ctx, target, backup);
    return aside && WriteInPlaceOf(ctx, target, data, aside);
}

bool DeleteSecured(RunContext& ctx, const std::string& target) {
    FilePort& files = ctx.io.files;
    if (!ctx.undo.Enabled()) return files.DeleteForce(target);
    if (files.IsDirectory(target)) return false;
    return !files.Exists(target) || MoveAside(ctx, target, ctx.st.Texts.makeBackup).has_value();
}

bool RenameSecured(RunContext& ctx, const std::string& from, const std::string& to) {
    FilePort& files = ctx.io.files;
    if (!ctx.undo.Enabled()) return files.MoveReplace(from, to);
    std::optional<std::string> aside;
    // A change of letter case only names the same file: nothing to move aside.
    if (files.Exists(to) && UpperCase(from) != UpperCase(to)) {
        if (files.IsDirectory(to)) return false;
        aside = MoveAside(ctx, to, false);
        if (!aside) return false;
    }
    if (ctx.undo.NoteRenamed(from, to)) {
        if (files.MoveReplace(from, to)) return true;
        ctx.undo.DropLast();
    }
    if (aside) PutBack(ctx, *aside, to);
    return false;
}

bool NoteProgramRun(RunContext& ctx, const std::string& program) {
    return !ctx.undo.Enabled() || ctx.undo.NoteRan(program);
}

}  // namespace quen::runtime
