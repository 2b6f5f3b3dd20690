// The undo record of a run: how to put back every change, on the disk before the change is made.
#include "runtime/UndoRecord.h"

#include "runtime/RuntimeState.h"
#include "startup/FSUPLIBmain.h"

namespace quen::runtime {

namespace {

std::string Described(const UndoStep& s) {
    switch (s.kind) {
        case UndoKind::Value: return "registry value " + s.subKey + "\\" + s.name;
        case UndoKind::Renamed: return s.other;
        default: return s.path;
    }
}

}  // namespace

std::string UndoRecordPath(const std::string& stateDir) {
    // No state folder: no record can be kept, so no change is made.
    return stateDir.empty() ? "" : StripTrailingBackslash(stateDir) + "\\Quenlark-undo.rec";
}

std::string RecoveryCommand(const std::string& programFolder, const std::string& exeName, const std::string& options) {
    if (programFolder.empty() || exeName.empty()) return "";
    return "\"" + StripTrailingBackslash(programFolder) + "\\" + exeName + ".exe\" " +
           (options.empty() ? "" : options + " ") + kSettleMarker;
}

UndoRecord::UndoRecord(FilePort& files, RegistryPort& registry, std::string path, std::string owner,
                       std::string recoveryCommand)
    : files_(files), registry_(registry), path_(std::move(path)), recoveryCommand_(std::move(recoveryCommand)) {
    data_.owner = std::move(owner);
}

bool UndoRecord::Load() {
    Bytes text;
    if (!files_.Exists(path_) || !files_.ReadAll(path_, text)) return false;
    auto data = ReadUndoRecord(std::string(text.begin(), text.end()));
    if (!data) return false;
    data_ = std::move(*data);
    saved_ = true;
    return true;
}

bool UndoRecord::Resume() {
    UndoRecord found(files_, registry_, path_, "");
    if (!found.Load() || found.data_.owner != data_.owner || found.data_.kept) return false;
    return Load();
}

bool UndoRecord::ArrangeRecovery() {
    if (recoveryCommand_.empty() || !enabled_) return true;
    arranged_ = registry_.SetValue(kHiveCurrentUser, kRunKey, kRecoveryEntryName, 1, recoveryCommand_);
    return arranged_;
}

void UndoRecord::RemoveRecovery() {
    arranged_ = false;
    registry_.DelValue(kHiveCurrentUser, kRunKey, kRecoveryEntryName);
}

void UndoRecord::Clear() {
    // The record first: an entry left alone finds nothing and goes at its next start.
    if (saved_) files_.DeleteForce(path_);
    saved_ = false;
    RemoveRecovery();
}

bool UndoRecord::Save() {
    // A record on the disk always has its start entry, which settles it if the run dies.
    if (!arranged_ && !ArrangeRecovery()) return false;
    // Written whole beside the record and then moved over it: a record on the disk is
    // always a whole one, the old or the new.
    const std::string text = WriteUndoRecord(data_);
    const std::string fresh = path_ + ".new";
    if (!files_.WriteFlushed(fresh, Bytes(text.begin(), text.end())) || !files_.MoveReplace(fresh, path_)) {
        files_.DeleteForce(fresh);
        return false;
    }
    saved_ = true;
    return true;
}

bool UndoRecord::Add(UndoStep step) {
    if (!enabled_) return true;
    data_.steps.push_back(std::move(step));
    if (Save()) return true;
    data_.steps.pop_back();
    return false;
}

bool UndoRecord::NoteAdded(const std::string& path) {
    UndoStep s;
    s.kind = UndoKind::Added;
    s.path = path;
    return Add(s);
}

std::optional<std::string> UndoRecord::NoteSetAside(const std::string& path, bool backup) {
    UndoStep s;
    s.kind = UndoKind::SetAside;
    s.path = path;
    s.backup = backup ? path + ".bak" : "";
    // Beside the file, so moving it there costs no copy and no space.
    for (int n = 1;; ++n) {
        s.other = path + ".~qk" + std::to_string(n);
        bool noted = false;
        for (const UndoStep& t : data_.steps) noted = noted || (t.kind == UndoKind::SetAside && t.other == s.other);
        if (!noted && !files_.Exists(s.other)) break;
    }
    if (!enabled_) return s.other;
    if (!Add(s)) return std::nullopt;
    return s.other;
}

bool UndoRecord::NoteRenamed(const std::string& from, const std::string& to) {
    UndoStep s;
    s.kind = UndoKind::Renamed;
    s.path = from;
    s.other = to;
    return Add(s);
}

bool UndoRecord::NoteValue(std::uint32_t hive, const std::string& subKey, const std::string& name) {
    if (!enabled_) return true;
    UndoStep s;
    s.kind = UndoKind::Value;
    s.hive = hive;
    s.subKey = subKey;
    s.name = name;
    switch (registry_.ReadStored(hive, subKey, name, s.type, s.bytes)) {
        case platform::StoredRead::Failed: return false;
        case platform::StoredRead::Absent: s.absent = true; break;
        case platform::StoredRead::Found: break;
    }
    return Add(s);
}

bool UndoRecord::NoteRan(const std::string& program) {
    UndoStep s;
    s.kind = UndoKind::Ran;
    s.path = program;
    return Add(s);
}

void UndoRecord::DropLast() {
    if (!enabled_ || data_.steps.empty()) return;
    data_.steps.pop_back();
    Save();
}

bool UndoRecord::UndoStepAt(const UndoStep& s) {
    switch (s.kind) {
        // A folder made for an added file goes when it is empty again.
        case UndoKind::Added: return files_.IsDirectory(s.path) ? files_.RemoveEmptyFolder(s.path) : files_.DeleteForce(s.path);
        case UndoKind::SetAside: return !files_.Exists(s.other) || files_.MoveReplace(s.other, s.path);
        case UndoKind::Renamed:
            // The old name still there: the rename never happened.
            return files_.Exists(s.path) || !files_.Exists(s.other) || files_.MoveReplace(s.other, s.path);
        case UndoKind::Value: {
            if (!s.absent) return registry_.WriteStored(s.hive, s.subKey, s.name, s.type, s.bytes);
            std::uint32_t type = 0;
            std::string bytes;
            return registry_.DelValue(s.hive, s.subKey, s.name) ||
                   registry_.ReadStored(s.hive, s.subKey, s.name, type, bytes) == platform::StoredRead::Absent;
        }
        case UndoKind::Ran: break;
    }
    return true;
}

bool UndoRecord::KeepStep(const UndoStep& s) {
    if (s.kind != UndoKind::SetAside || !files_.Exists(s.other)) return true;
    return s.backup.empty() ? files_.DeleteForce(s.other) : files_.MoveReplace(s.other, s.backup);
}

std::vector<UndoProblem> UndoRecord::Undo() {
    while (!data_.steps.empty()) {
        const UndoStep& s = data_.steps.back();
        if (!UndoStepAt(s)) return {{Described(s), s.kind == UndoKind::SetAside ? s.other : path_}};
        data_.steps.pop_back();
        // The record on the disk must never hold a step already undone but one: undoing
        // that one again is harmless, undoing older ones again is not.
        if (!data_.steps.empty() && !Save()) return {{Described(data_.steps.back()), path_}};
    }
    Clear();
    return {};
}

bool UndoRecord::Keep() {
    if (!saved_) {
        if (arranged_) RemoveRecovery();  // the record itself could never be written
        return true;
    }
    data_.kept = true;
    // Unmarked, a later start would undo a finished run: rather lose the record.
    if (!Save()) {
        files_.DeleteForce(path_);
        return false;
    }
    bool all = true;
    // The last first, so the oldest original of a file is the one left as its backup.
    for (auto s = data_.steps.rbegin(); s != data_.steps.rend(); ++s) all = KeepStep(*s) && all;
    if (all) Clear();
    return all;
}

std::vector<std::string> UndoRecord::ProgramsRun() const {
    std::vector<std::string> programs;
    for (const UndoStep& s : data_.steps)
        if (s.kind == UndoKind::Ran) programs.push_back(s.path);
    return programs;
}

RecoveryResult RecoverUndoRecord(FilePort& files, RegistryPort& registry, const std::string& path) {
    RecoveryResult result;
    files.DeleteForce(path + ".new");  // a record never moved in: its change never began
    UndoRecord record(files, registry, path, "");
    if (!files.Exists(path)) {
        record.RemoveRecovery();  // killed before the record was first written
        return result;
    }
    result.found = true;
    if (!record.Load()) {
        result.damaged = true;
        result.problems.push_back({path, path});
        return result;
    }
    result.owner = record.Owner();
    if (record.Kept()) {
        if (!record.Keep()) result.problems.push_back({path, path});
    } else {
        result.problems = record.Undo();
    }
    return result;
}

}  // namespace quen::runtime
