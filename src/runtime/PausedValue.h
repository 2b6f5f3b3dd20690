// Whether a registry value can be paused: taken away during the patch and set back exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quen::runtime {

// The text of a stored value in its read form (string text, hexadecimal byte list,
// signed decimal), when setting that text back through `entryType` gives exactly the same
// registry type and bytes and the text fits on one line of the file that remembers it.
// nullopt otherwise: another stored type, a type the registry accessor does not read
// (expandable or multi-line strings), a string of 1024 characters or more, a string
// holding CR, LF or a NUL before its end, or a number that is not four bytes.
std::optional<std::string> PausableText(int entryType, std::uint32_t storedType, std::string_view bytes);

}  // namespace quen::runtime
