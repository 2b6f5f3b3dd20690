// The stored form of a run's undo record: one line per change, written and read here only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quen::runtime {

enum class UndoKind { Added, SetAside, Renamed, Value, Ran };

// How to put back one change.
struct UndoStep {
    UndoKind kind = UndoKind::Added;
    // Added: the new file. SetAside: the file; `other` is where its original lies and
    // `backup` where the original goes when the run is kept ("" : it is removed then).
    // Renamed: the old name, `other` the new one. Ran: the program that ran.
    std::string path, other, backup;
    // Value: the registry value and what it held before (absent, or its type and bytes).
    std::uint32_t hive = 0;
    std::string subKey, name;
    bool absent = false;
    std::uint32_t type = 0;
    std::string bytes;

    bool operator==(const UndoStep&) const = default;
};

struct UndoRecordData {
    std::string owner;  // the script of the run that made the changes
    bool kept = false;  // the run ended well: only the set-aside originals are left to clear
    std::vector<UndoStep> steps;

    bool operator==(const UndoRecordData&) const = default;
};

// Lines joined with CR LF: "QuenlarkUndo 1", "Owner", then "Kept" when kept, then one
// line per step. Fields are separated by tabs; a tab, CR, LF or "%" inside a field is
// written as "%" and two hexadecimal digits; value bytes are written as hexadecimal.
//   Added <path> | SetAside <path> <aside> <backup> | Renamed <old> <new> | Ran <program>
//   Value <hive hex> <subkey> <name> - | Value <hive hex> <subkey> <name> <type hex> <bytes hex>
std::string WriteUndoRecord(const UndoRecordData& record);

// nullopt when the text is not a whole record of this version (the caller keeps the file).
std::optional<UndoRecordData> ReadUndoRecord(const std::string& text);

}  // namespace quen::runtime
