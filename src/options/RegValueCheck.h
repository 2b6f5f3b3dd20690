// What may enter the patch options' registry lists: value checks and the stored entry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quen {

enum class RegValueType { Str = 0, Bin = 1, Dword = 2 };

// "STR", "BIN", "DWORD".
const char* RegValueTypeName(RegValueType type);

// The token a paused entry stores for "keep the value the machine has".
inline constexpr const char* kRetainValueToken = "%RetainValue%";

// A number as the classic conversion reads it: blanks around it, an optional sign,
// decimal digits with an optional fraction rounded to the nearest whole number (a half to
// the even one), or "&H" and one to eight hexadecimal digits read as a 32-bit pattern.
// nullopt for anything else and for values outside the signed 32-bit range.
std::optional<int32_t> ClassicLong(const std::string& text);

// The value as it is to be stored, nullopt when the type refuses it. "BIN": comma-separated
// parts, each from -255 to 256; "DWORD": one number, "&H" forms at most 10 characters.
// "STR" takes anything. Parts written with a fraction are stored as their rounded whole
// number, because the runtime reads whole numbers only; every other part stays as typed.
std::optional<std::string> CheckRegValue(RegValueType type, const std::string& value);

// type, root, sub key, value name and value joined by single commas, each as given.
std::string ComposeRegEntry(RegValueType type, const std::string& root, const std::string& subKey,
                            const std::string& valueName, const std::string& value);

// The entry as a list stores it: in the pause list a value equal to the retain-value
// text becomes the token.
std::string StoredRegEntry(const std::string& entry, bool pauseList, const std::string& retainText);

}  // namespace quen
