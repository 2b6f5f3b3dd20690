// Fuzzes the registry text forms: any text converts or is refused, what converts reads back
// to the same bytes, and whatever the patch options' value check lets into a list as a
// binary or number value, the runtime's readers accept.
#include <string_view>

#include "fuzz/FuzzInput.h"
#include "options/RegValueCheck.h"
#include "platform/Registry.h"
#include "startup/RegistryText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    using fuzz::Require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto bytes = ParseBinaryText(text)) {
        const std::string read = FormatBinaryText(*bytes);
        Require(ParseBinaryText(BinaryReadTextToSetText(read)) == bytes);
        Require(DecodeValueData(platform::kRegBinary, EncodeValueData(platform::kRegBinary, text).value()) == read);
    }
    if (auto n = ParseRegNumber(text)) Require(ParseRegNumber(FormatDwordText(*n)) == n);
    if (auto encoded = EncodeValueData(platform::kRegString, text)) {
        Require(encoded->size() == size + 1);
        DecodeValueData(platform::kRegString, *encoded);
    }
    DecodeValueData(platform::kRegDword, text);
    if (auto bin = CheckRegValue(RegValueType::Bin, std::string(text))) Require(ParseBinaryText(*bin).has_value());
    if (auto dword = CheckRegValue(RegValueType::Dword, std::string(text))) Require(ParseRegNumber(*dword).has_value());
    return 0;
}
