// The patch script in its two forms: the stand-alone script and the package's Setup.ini.
#pragma once

#include <cstdint>
#include <string>

#include "maker/ScriptProgress.h"
#include "project/DirTypeTexts.h"
#include "project/Project.h"

namespace quen {

inline constexpr const char* kScriptID = "QuenlarkScript_100";
inline constexpr const char* kPackageScriptName = "Setup.ini";
// The extension of stand-alone scripts; the runtime runs only these.
inline constexpr const char* kScriptExtension = "qnl";

enum class ScriptForm {
    StandAlone,  // ScriptID; only kinds 3 to 6 (and unknown kinds), numbered as written
    Package,     // no ScriptID; every action, numbered by position; ShowP and the labels
};

// Reads a source file's bytes; throws quen::Error naming the file when it cannot.
std::string ReadSourceFile(const std::string& path);

// Exclusive-or of the data's 32-bit little-endian words, the last one padded with zero
// bytes; 0 for no data.
int32_t SourceCheckSum(const std::string& data);

struct ScriptText {
    std::string text;      // every line ends with CR LF
    int sectionCount = 0;  // action sections written
};

// Builds the script in memory. Replace Byte actions read their source file for the
// checksum: a missing or unreadable one throws quen::Error naming the file, before
// anything is written; so does a one-line text that holds a line break (RequireOneLine).
// `progress` may be null.
ScriptText BuildScriptText(const Project& project, ScriptForm form, const DirTypeTexts& texts,
                           ScriptProgress* progress);

// Writes the stand-alone script at `path` and then sets its ProcCount to the number of
// sections written, through the INI access (so the file ends without a line end). The
// script is made under a temporary name and moved over `path` only when complete: on
// any failure an existing file at `path` is kept and quen::Error is thrown.
// Returns the number of action sections.
int MakeScriptINI(const std::string& path, const Project& project, const DirTypeTexts& texts,
                  ScriptProgress* progress);

// Writes folder & "\Setup.ini" for the patch package. Throws quen::Error on failure.
void WritePackageScript(const std::string& folder, const Project& project,
                        const DirTypeTexts& texts);

}  // namespace quen
