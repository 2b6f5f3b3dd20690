// Fuzzes the run-length codec: any container unpacks to its declared length or is
// refused with an error, and packing any input gives a container that unpacks to it.

#include "fuzz/FuzzInput.h"
#include "base/Errors.h"
#include "maker/RLEModuleX.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    const ByteView input(data, size);
    // Cap the declared length so a run stays small; lengths up to 1 GiB are valid.
    if (size >= 4 && GetLE32(data) <= (1u << 20)) {
        try {
            fuzz::Require(RleUnpackContainer(input).size() == GetLE32(data));
        } catch (const Error&) {
        }
    }
    const Bytes packed = RlePackContainer(input);
    fuzz::Require(RleUnpackContainer(packed) == Bytes(input.begin(), input.end()));
    Bytes direct(input.begin(), input.end());
    const std::int64_t n = RlePack(direct);
    fuzz::Require(n < 0 || (n < static_cast<std::int64_t>(size) && direct.size() == static_cast<std::size_t>(n)));
    return 0;
}
