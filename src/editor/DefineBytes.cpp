// The byte replacement dialog's decisions.
#include "editor/DefineBytes.h"

#include <cctype>
#include <cstdint>
#include <optional>

#include "options/Lang.h"
#include "startup/FSUPLIBmain.h"

namespace quen {

namespace {

constexpr unsigned kBackspace = 8, kEnter = 13, kCtrlC = 3, kCtrlV = 22, kCtrlZ = 26;
constexpr int64_t kMaxAddress = 2147483647;

bool IsHexLetter(unsigned c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// The digits of `text` in base 16 or 10; nullopt for any other character or for a
// number beyond 32 bits.
std::optional<int64_t> ParseNumber(const std::string& text, bool hex) {
    int64_t n = 0;
    for (unsigned char c : text) {
        int digit;
        if (std::isdigit(c)) digit = c - '0';
        else if (hex && IsHexLetter(c)) digit = std::toupper(c) - 'A' + 10;
        else return std::nullopt;
        n = n * (hex ? 16 : 10) + digit;
        if (n > kMaxAddress) return std::nullopt;
    }
    return n;
}

std::string InBase(int64_t n, bool hex) {
    if (!hex) return std::to_string(n);
    static const char kDigits[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), kDigits[n % 16]);
        n /= 16;
    } while (n > 0);
    return s;
}

AddressRead Read(const std::string& box, bool readHex, bool writeHex) {
    std::string digits = RemoveBlanks(box);
    if (digits.empty()) digits = "0";
    const std::optional<int64_t> n = ParseNumber(digits, readHex);
    if (!n) return {box, "", false};
    AddressRead r;
    r.raisedToMin = *n < 1;
    const int64_t address = r.raisedToMin ? 1 : *n;
    r.box = InBase(address, writeHex);
    r.address = InBase(address, true) + " (" + std::to_string(address) + ")";
    return r;
}

}  // namespace

bool DefineKeyAccepted(unsigned code, bool decimalAddress) {
    if (code >= '0' && code <= '9') return true;
    switch (code) {
        case ' ': case kBackspace: case kEnter: case kCtrlC: case kCtrlV: case kCtrlZ: return true;
        default: return IsHexLetter(code) && !decimalAddress;
    }
}

std::string NormalizeByteText(const std::string& text) {
    std::string digits = RemoveBlanks(text);
    if (digits.size() % 2 == 1) digits.insert(digits.size() - 1, "0");
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i % 2 == 0) out += ' ';
        out += static_cast<char>(std::toupper(static_cast<unsigned char>(digits[i])));
    }
    return out;
}

AddressRead ReadAddress(const std::string& box, bool hex) { return Read(box, hex, hex); }

AddressRead SwitchAddressBase(const std::string& box, bool nowHex) { return Read(box, !nowHex, nowHex); }

DefineRows::DefineRows(ActClass& action, bool& modified, const Lang& lang)
    : action_(action), modified_(modified), lang_(lang) {
    for (int i = 1; i <= action_.ByteCount(); ++i) {
        rows_.push_back({TypeText(action_.ReadByteType(i)), action_.ReadByteVal(i), action_.ReadByteNewval(i), i});
    }
}

std::string DefineRows::TypeText(const std::string& type) const {
    if (type == kByteTypeSearch) return lang_.Define_Type_Search();
    if (type == kByteTypeSearchAll) return lang_.Define_Type_Search_All();
    if (type == kByteTypeAddress) return lang_.Define_Type_Address();
    return type;  // an unknown stored type is shown as it is
}

DefineAddResult DefineRows::Add(const DefineInput& in) { return Put(rows_.size(), in); }

DefineAddResult DefineRows::Change(std::size_t row, const DefineInput& in) {
    if (row >= rows_.size()) return {DefineAddOutcome::NeedInput, false, in.value, in.newValue};
    return Put(row, in);
}

DefineInput DefineRows::InputOf(std::size_t row) const {
    if (row >= rows_.size()) return {};
    const DefineRow& r = rows_[row];
    const std::string& type = action_.ReadByteType(r.entry);
    DefineInput in;
    in.address = type == kByteTypeAddress;
    in.searchAll = type == kByteTypeSearchAll;
    in.value = in.address ? r.value.substr(0, r.value.find(' ')) : r.value;  // "1A2B (6699)": the hexadecimal part
    in.newValue = r.newValue;
    return in;
}

DefineAddResult DefineRows::Put(std::size_t at, const DefineInput& in) {
    DefineAddResult r{DefineAddOutcome::NeedInput, false, in.value, in.newValue};
    if (in.value.empty() || in.newValue.empty()) return r;
    modified_ = true;
    r.newValue = NormalizeByteText(in.newValue);
    DefineRow row;
    if (in.address) {
        const AddressRead a = ReadAddress(in.value, in.hex);
        r.raisedToMin = a.raisedToMin;
        if (a.address.empty()) {
            r.outcome = DefineAddOutcome::NoAddress;
            r.newValue = in.newValue;
            return r;
        }
        r.value = a.box;
        row = {TypeText(kByteTypeAddress), a.address, r.newValue, 0};
    } else {
        r.value = NormalizeByteText(in.value);
        row = {TypeText(in.searchAll ? kByteTypeSearchAll : kByteTypeSearch), r.value, r.newValue, 0};
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const DefineRow& old = rows_[i];
        if (i != at && old.typeText == row.typeText && old.value == row.value && old.newValue == row.newValue) {
            r.outcome = DefineAddOutcome::Duplicate;
            return r;
        }
    }
    const char* type = in.address ? kByteTypeAddress : in.searchAll ? kByteTypeSearchAll : kByteTypeSearch;
    if (at < rows_.size()) {
        row.entry = rows_[at].entry;
        std::vector<ByteEntry> entries = action_.Bytes();
        entries[static_cast<std::size_t>(row.entry - 1)] = {type, row.value, row.newValue};
        action_.SetByteVal(entries);
        rows_[at] = row;
    } else {
        row.entry = action_.AddByte(type, row.value, row.newValue);  // may throw: nothing added then
        rows_.push_back(row);
    }
    r.outcome = DefineAddOutcome::Added;
    return r;
}

void DefineRows::Delete(std::size_t row) {
    if (row >= rows_.size()) return;
    const int entry = rows_[row].entry;
    action_.DelByte(entry);
    for (DefineRow& r : rows_) {
        if (r.entry > entry) --r.entry;
    }
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    modified_ = true;
}

}  // namespace quen
