// Fuzzes the patch options' registry value check: whatever the dialog lets into a list as
// a binary or number value, the runtime's registry text readers accept.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "options/RegValueCheck.h"
#include "startup/RegistryText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    using namespace quen;
    if (auto bin = CheckRegValue(RegValueType::Bin, text); bin && !ParseBinaryText(*bin)) std::abort();
    if (auto dword = CheckRegValue(RegValueType::Dword, text); dword && !ParseRegNumber(*dword)) std::abort();
    return 0;
}
