// One action of a patch project: what is done to one file and in which directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/DirTypeTexts.h"

namespace quen {

// Action kind codes; the order of the add dialog's kind buttons.
enum ActKind : int32_t {
    kActRun = 0,
    kActAdd = 1,
    kActPatch = 2,
    kActByte = 3,
    kActDel = 4,
    kActIni = 5,
    kActReName = 6,
};

// Registry roots by `RegMain` index.
inline constexpr const char* kRegRoots[] = {"HKCR", "HKCC", "HKCU", "HKDD", "HKLM", "HKPD", "HKUS"};
inline constexpr int kRegRootCount = 7;

// Lists hold at most this many entries: counts and indices are 16-bit.
inline constexpr int kMaxListEntries = 32767;

// One entry of the byte list: type, search value (or address), new value.
struct ByteEntry {
    std::string type;
    std::string value;
    std::string newValue;
    bool operator==(const ByteEntry&) const = default;
};

class ActClass {
public:
    // A new action's directory is the "< Previous >" text of the current language.
    explicit ActClass(std::string previousDirText = DirTypeTexts{}.pre);

    // Fields in their stored order (the project file keeps its own order).
    int32_t ActType = 0;
    int32_t AddMethod = 0;  // 0 single file, 1 whole directory
    std::string DirType;
    // INICount and ByteCount follow here; they are the list sizes (see below).
    int16_t NoSourceCheck = 0;
    int16_t RegMain = 0;
    std::string RegSub;
    std::string RegKeyName;
    std::string FileName;
    std::string FilePath;
    std::string AskTitle;
    std::string AskPrompt;
    std::string AskBrowse;
    std::string AskOK;
    std::string AskDNF;
    std::string NewName;
    std::string NewPath;
    // Patch File: further old versions besides FileName, each patched to NewName by a
    // difference of its own; the run takes the one the file on disk matches.
    std::vector<std::string> OldVersions;

    // The counts are always the sizes of their lists, so a count can never promise
    // entries that are not there.
    int16_t INICount() const { return static_cast<int16_t>(iniKeys_.size()); }
    int16_t ByteCount() const { return static_cast<int16_t>(bytes_.size()); }

    // INI key list, 1-based. Adding beyond 32767 entries throws Error(6).
    int16_t AddINIKey(const std::string& key);
    const std::string& ReadINIKey(int index) const;
    void DelINIKey(int index);
    void SetINIVal(const std::vector<std::string>& keys);
    const std::vector<std::string>& INIKeys() const { return iniKeys_; }

    // Byte list, 1-based.
    int16_t AddByte(const std::string& type, const std::string& value, const std::string& newValue);
    const std::string& ReadByteType(int index) const;
    const std::string& ReadByteVal(int index) const;
    const std::string& ReadByteNewval(int index) const;
    void DelByte(int index);
    void SetByteVal(const std::vector<ByteEntry>& entries);
    const std::vector<ByteEntry>& Bytes() const { return bytes_; }

    // A copy of every field and both lists; it shares nothing with this action.
    ActClass Export() const { return *this; }

    // Copies the directory setting to `target`: DirType always, the Ask texts when it
    // is the Ask kind, the registry fields when it is the Reg kind, nothing else.
    void ExportDir(ActClass& target, const DirTypeTexts& texts) const;

    bool operator==(const ActClass&) const = default;

private:
    const ByteEntry& byteAt(int index) const;

    std::vector<std::string> iniKeys_;
    std::vector<ByteEntry> bytes_;
};

}  // namespace quen
