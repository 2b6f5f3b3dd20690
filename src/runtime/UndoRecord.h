// The undo record of a run: how to put back every change, on the disk before the change is made.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/RuntimePorts.h"
#include "runtime/UndoRecordFormat.h"

namespace quen::runtime {

// The record's file in the account's state folder, which only the account may write (one
// per user: a run first settles what an earlier one left there); "" without that folder.
std::string UndoRecordPath(const std::string& stateDir);

// What an undo could not put back: the file (or value) and where its original lies.
struct UndoProblem {
    std::string what, original;
};

// The account's start entry (HKCU Run) that settles an interrupted run at the next logon:
// it exists while a record does.
inline constexpr const char* kRecoveryEntryName = "Quenlark-Undo";
// The switch of that settling mode: settle what an interrupted run left, apply nothing.
inline constexpr const char* kSettleMarker = "/U";

// The start entry's command: the program, the switches it keeps (silent, log) and the
// settling switch; "" without a program.
std::string RecoveryCommand(const std::string& programFolder, const std::string& exeName, const std::string& options);

class UndoRecord {
public:
    // recoveryCommand: what the start entry runs (a program in its settling mode); "" for
    // none (the record is then settled only by the next patch).
    UndoRecord(FilePort& files, RegistryPort& registry, std::string path, std::string owner,
               std::string recoveryCommand = "");

    // Off: nothing is noted and every note succeeds (the run changes things at once).
    void SetEnabled(bool on) { enabled_ = on; }
    bool Enabled() const { return enabled_; }
    // Takes over the record this owner left on the disk unfinished; false when there is none.
    bool Resume();
    // Takes whatever whole record lies at the path; false when none does.
    bool Load();

    // Each note is on the disk when it returns true; false means the change must not be made.
    bool NoteAdded(const std::string& path);
    // Names a free place beside `path` for its original and notes it; backup: the original
    // becomes path.bak when the run is kept. nullopt when it could not be noted.
    std::optional<std::string> NoteSetAside(const std::string& path, bool backup);
    bool NoteRenamed(const std::string& from, const std::string& to);
    // Reads what the value holds now; false when it cannot be read.
    bool NoteValue(std::uint32_t hive, const std::string& subKey, const std::string& name);
    bool NoteRan(const std::string& program);

    // Arranges the start entry now (it is arranged before the record is first written);
    // removes it, for a run that leaves Windows with its own resume entry.
    bool ArrangeRecovery();
    void RemoveRecovery();

    // Forgets the last note (its change was put back at once, or never made).
    void DropLast();
    // The run is kept: set-aside originals become backups or go, then the record goes.
    bool Keep();
    // Puts back every change, the last first; the record shrinks with each step and goes
    // when all are back. Stops at the first change that cannot be put back (it stays noted).
    std::vector<UndoProblem> Undo();

    bool Empty() const { return data_.steps.empty(); }
    bool Kept() const { return data_.kept; }
    const std::string& Owner() const { return data_.owner; }
    std::vector<std::string> ProgramsRun() const;

private:
    bool Add(UndoStep step);
    bool Save();
    bool UndoStepAt(const UndoStep& s);
    bool KeepStep(const UndoStep& s);
    void Clear();

    FilePort& files_;
    RegistryPort& registry_;
    std::string path_;
    std::string recoveryCommand_;
    UndoRecordData data_;
    bool enabled_ = true;
    bool saved_ = false;  // the file exists
    bool arranged_ = false;  // this process arranged the start entry
};

// A record an earlier run left (process killed, power lost, undo refused): its undo, or
// the end of its keeping; the start entry goes with the record. `found` is false when
// there was none.
struct RecoveryResult {
    bool found = false;
    std::string owner;  // the script of the run that left it
    std::vector<UndoProblem> problems;
    bool damaged = false;  // unreadable: left where it is
};
RecoveryResult RecoverUndoRecord(FilePort& files, RegistryPort& registry, const std::string& path);

}  // namespace quen::runtime
