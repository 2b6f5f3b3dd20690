// List operations and directory copy of one action.
#include "project/ActClass.h"

#include <stdexcept>

#include "base/Errors.h"

namespace quen {

namespace {

void CheckIndex(int index, size_t count) {
    if (index < 1 || static_cast<size_t>(index) > count) {
        throw std::out_of_range("list index " + std::to_string(index) + " outside 1.." +
                                std::to_string(count));
    }
}

void CheckRoom(size_t count) {
    if (count >= static_cast<size_t>(kMaxListEntries)) {
        throw Error(kErrOverflow, "An action holds at most 32767 list entries.");
    }
}

}  // namespace

ActClass::ActClass(std::string previousDirText) : DirType(std::move(previousDirText)) {}

int16_t ActClass::AddINIKey(const std::string& key) {
    CheckRoom(iniKeys_.size());
    iniKeys_.push_back(key);
    return INICount();
}

const std::string& ActClass::ReadINIKey(int index) const {
    CheckIndex(index, iniKeys_.size());
    return iniKeys_[index - 1];
}

void ActClass::DelINIKey(int index) {
    CheckIndex(index, iniKeys_.size());
    iniKeys_.erase(iniKeys_.begin() + (index - 1));
}

void ActClass::SetINIVal(const std::vector<std::string>& keys) {
    if (keys.size() > static_cast<size_t>(kMaxListEntries)) CheckRoom(keys.size());
    iniKeys_ = keys;
}

int16_t ActClass::AddByte(const std::string& type, const std::string& value,
                          const std::string& newValue) {
    CheckRoom(bytes_.size());
    bytes_.push_back({type, value, newValue});
    return ByteCount();
}

const ByteEntry& ActClass::byteAt(int index) const {
    CheckIndex(index, bytes_.size());
    return bytes_[index - 1];
}

const std::string& ActClass::ReadByteType(int index) const { return byteAt(index).type; }
const std::string& ActClass::ReadByteVal(int index) const { return byteAt(index).value; }
const std::string& ActClass::ReadByteNewval(int index) const { return byteAt(index).newValue; }

void ActClass::DelByte(int index) {
    CheckIndex(index, bytes_.size());
    bytes_.erase(bytes_.begin() + (index - 1));
}

void ActClass::SetByteVal(const std::vector<ByteEntry>& entries) {
    if (entries.size() > static_cast<size_t>(kMaxListEntries)) CheckRoom(entries.size());
    bytes_ = entries;
}

void ActClass::ExportDir(ActClass& target, const DirTypeTexts& texts) const {
    target.DirType = DirType;
    if (DirType == texts.ask) {
        target.AskBrowse = AskBrowse;
        target.AskDNF = AskDNF;
        target.AskOK = AskOK;
        target.AskPrompt = AskPrompt;
        target.AskTitle = AskTitle;
    } else if (DirType == texts.reg) {
        target.RegMain = RegMain;
        target.RegSub = RegSub;
        target.RegKeyName = RegKeyName;
    }
}

}  // namespace quen
