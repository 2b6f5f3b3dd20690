// Formatting of registry entries and byte replacements for the script.
#include "maker/ScriptLines.h"

#include "project/PatchOptions.h"
#include "project/TextFields.h"

namespace quen {

namespace {

std::string RegistryTypeNumber(const std::string& word) {
    if (word == "STR") return "1";
    if (word == "BIN") return "3";
    if (word == "DWORD") return "4";
    return word;
}

std::string BlanksToCommas(const std::string& text) { return ReplaceAll(text, " ", ","); }

}  // namespace

std::string ScriptRegistryEntry(const std::string& stored) {
    RegistryEntry e = ParseRegistryEntry(stored);
    return e.root + "," + e.subKey + "," + e.valueName + "," + RegistryTypeNumber(e.type) + "," +
           e.data;
}

std::string ScriptByteRead(const std::string& type, const std::string& stored) {
    std::string value = TrimBlanks(stored);
    if (TrimBlanks(type) == "3") return "&H" + value.substr(0, value.find(' '));
    return BlanksToCommas(value);
}

std::string ScriptByteNew(const std::string& stored) { return BlanksToCommas(TrimBlanks(stored)); }

}  // namespace quen
