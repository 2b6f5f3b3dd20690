// Fuzzes the registry text forms: any text converts or is refused, and what converts
// reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Registry.h"
#include "startup/RegistryText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    using namespace quen;
    if (auto bytes = ParseBinaryText(text)) {
        std::string read = FormatBinaryText(*bytes);
        if (ParseBinaryText(BinaryReadTextToSetText(read)) != bytes) std::abort();
        if (DecodeValueData(platform::kRegBinary, EncodeValueData(platform::kRegBinary, text).value()) != read)
            std::abort();
    }
    if (auto n = ParseRegNumber(text)) {
        if (ParseRegNumber(FormatDwordText(*n)) != n) std::abort();
    }
    if (auto encoded = EncodeValueData(platform::kRegString, text)) {
        if (encoded->size() != size + 1) std::abort();
        DecodeValueData(platform::kRegString, *encoded);
    }
    DecodeValueData(platform::kRegDword, text);
    return 0;
}
