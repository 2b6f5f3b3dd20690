// Whether a registry value can be paused: taken away during the patch and set back exactly.
#include "runtime/PausedValue.h"

#include "platform/Registry.h"
#include "startup/RegistryText.h"

namespace quen::runtime {

namespace {

// The registry accessor reads strings into a buffer of 1024 characters, its NUL included.
constexpr std::size_t kLongestString = 1023;

}  // namespace

std::optional<std::string> PausableText(int entryType, std::uint32_t storedType, std::string_view bytes) {
    if (entryType < 0 || storedType != static_cast<std::uint32_t>(entryType)) return std::nullopt;
    switch (entryType) {
        case platform::kRegString: {
            // Set back as the text and one NUL: anything else would not come back the same.
            if (bytes.empty() || bytes.back() != '\0') return std::nullopt;
            const std::string_view text = bytes.substr(0, bytes.size() - 1);
            if (text.size() > kLongestString || text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos)
                return std::nullopt;
            return std::string(text);
        }
        case platform::kRegBinary: return DecodeValueData(entryType, bytes);
        case platform::kRegDword:
            if (bytes.size() != 4) return std::nullopt;
            return DecodeValueData(entryType, bytes);
        default: return std::nullopt;
    }
}

}  // namespace quen::runtime
