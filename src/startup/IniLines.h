// The line rules of INI-style files, on text held in memory (AppINI reads and writes files
// through these).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"

namespace quen::ini {

// This section name selects the section-less mode: the first line is passed over and
// keys are looked for from the second line on.
inline constexpr std::string_view kNoSection = "[%NOTUSE%]";

using Lines = std::vector<std::string>;

// Splits file text into lines. CR LF, a lone CR and a lone LF each end a line (files
// written by other tools still read); a line end at the very end adds no empty line.
Lines SplitLines(std::string_view text);
// CR LF between lines, none after the last one: how keys are written back.
std::string JoinLines(const Lines& lines);
// CR LF after every line, the last one included: how whole sections are written back.
std::string JoinLinesTerminated(const Lines& lines);

// The header line of a section: "[" & name & "]", matched exactly.
std::string HeaderLine(std::string_view section);

// Looks `key` up in `section`; true and its value (untrimmed) when found.
bool FindKey(const Lines& lines, std::string_view section, std::string_view key, std::string& value);

enum class KeyEdit { Write, Remove };

// Write: sets key=value in `section`, adding the line or the whole section as needed;
// always true. Remove: drops every line of `key` in `section`; true when the section
// exists, whether or not a line was dropped.
bool EditKey(Lines& lines, std::string_view section, std::string_view key, std::string_view value,
             KeyEdit mode);

// Removes the first section named `name` (its header and its lines).
void RemoveSection(Lines& lines, std::string_view name);
// Replaces the lines of section `name` by `entries`, or appends the section.
void ReplaceSection(Lines& lines, std::string_view name, const Lines& entries);
// Splits NUL-separated "key=value" entries; the first empty entry ends the list.
Lines SplitEntries(std::string_view text);

}  // namespace quen::ini
