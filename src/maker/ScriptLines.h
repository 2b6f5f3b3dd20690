// Formatting of single script values: registry entries and byte replacements.
#pragma once

#include <string>

namespace quen {

// A stored registry entry "TYPE,ROOT,SubKey,Name,Data" as the script holds it:
// "ROOT,SubKey,Name,TypeNumber,Data" with STR 1, BIN 3 (all its data bytes), DWORD 4.
std::string ScriptRegistryEntry(const std::string& stored);

// The BRead value of byte entry: for type "3" "&H" and the address's hexadecimal text
// (the stored value up to its first blank), otherwise the trimmed value with blanks
// turned into commas.
std::string ScriptByteRead(const std::string& type, const std::string& stored);

// The BNew value: trimmed, blanks turned into commas.
std::string ScriptByteNew(const std::string& stored);

}  // namespace quen
