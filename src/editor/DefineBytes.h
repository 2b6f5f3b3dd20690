// The byte replacement dialog's decisions: which keys its boxes take, the byte text form,
// the address reader, and the list of entries kept in step with the action's byte list.
#pragma once

#include <string>
#include <vector>

#include "project/ActClass.h"

namespace quen {

class Lang;

// Entry types as the action stores them.
inline constexpr const char* kByteTypeSearch = "1";
inline constexpr const char* kByteTypeSearchAll = "2";
inline constexpr const char* kByteTypeAddress = "3";

// Whether a typed character (as a WM_CHAR code) reaches a byte box: digits, the blank,
// Backspace, Enter, Ctrl+C, Ctrl+V, Ctrl+Z; the letters A-F in either case unless
// `decimalAddress` (the value box while the address type and the decimal base are
// chosen).
bool DefineKeyAccepted(unsigned code, bool decimalAddress);

// "4d5a9" -> "4D 5A 09": blanks removed, pairs of characters joined by single blanks, a
// "0" put in front of an odd last character, upper case.
std::string NormalizeByteText(const std::string& text);

// What reading the value box as an address did.
struct AddressRead {
    std::string box;           // the box's new text (unchanged when it held no number)
    std::string address;       // "1A2B (6699)"; "" when the box is not a number that fits 32 bits
    bool raisedToMin = false;  // it was below 1 and became 1 (the msg_Min_Value message)
};

// The address reader: the box without blanks ("" counts as "0") read in the chosen
// base; below 1 becomes 1. Numbers above 2147483647 do not fit.
AddressRead ReadAddress(const std::string& box, bool hex);

// Clicking a base option: the box's number read in the other base and written in
// `nowHex`'s base; below 1 becomes 1. A box that does not read stays as it is.
AddressRead SwitchAddressBase(const std::string& box, bool nowHex);

// One list row: the type's display text, the value and new value, and the 1-based
// number of its entry in the action's byte list.
struct DefineRow {
    std::string typeText;
    std::string value;
    std::string newValue;
    int entry = 0;
};

// What the boxes and options of the dialog hold when Add is pressed.
struct DefineInput {
    bool address = false;    // type: address (else search)
    bool searchAll = false;  // the search-all box
    bool hex = true;         // base of an address
    std::string value;
    std::string newValue;
};

enum class DefineAddOutcome {
    Added,
    NeedInput,  // a box was empty: msg_Need_Input_Value, nothing changed
    NoAddress,  // the value box is no address: nothing added, no message
    Duplicate,  // a row with the same type, value and new value exists: nothing added
};

struct DefineAddResult {
    DefineAddOutcome outcome = DefineAddOutcome::NeedInput;
    bool raisedToMin = false;  // show msg_Min_Value (the entry is still added, with 1)
    std::string value;         // the boxes' texts afterwards
    std::string newValue;
};

// The list of the dialog over one Replace Byte action; every change goes straight into
// the action, and adding or deleting marks the project as modified.
class DefineRows {
public:
    DefineRows(ActClass& action, bool& modified, const Lang& lang);

    const std::vector<DefineRow>& Rows() const { return rows_; }
    DefineAddResult Add(const DefineInput& input);
    // Change: row `row` (0-based) and its entry take the boxes' entry in place, checked as
    // Add checks it (a duplicate of another row changes nothing).
    DefineAddResult Change(std::size_t row, const DefineInput& input);
    // What the boxes show for row `row`: its type, value (an address in hexadecimal) and new value.
    DefineInput InputOf(std::size_t row) const;
    // Removes row `row` (0-based) and its entry; later rows refer to one entry less.
    void Delete(std::size_t row);
    std::string TypeText(const std::string& type) const;

private:
    // Add (at == size) or Change (at < size).
    DefineAddResult Put(std::size_t at, const DefineInput& input);

    ActClass& action_;
    bool& modified_;
    const Lang& lang_;
    std::vector<DefineRow> rows_;
};

}  // namespace quen
