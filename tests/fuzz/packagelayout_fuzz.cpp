// Fuzzes the readers of the package layout: the INI definition block round-trips or is
// refused, the appended cabinet and the icon image stay inside their files, and the head's
// icon area found in any bytes lies inside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "maker/HeadIconArea.h"
#include "maker/IconProcModule.h"
#include "maker/PackageLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quen;
    const ByteView input(data, size);
    if (auto definitions = ReadIniBlock(input)) {
        if (BuildIniBlock(*definitions) != Bytes(input.begin(), input.end())) std::abort();
    }
    const std::size_t headEnd = size ? data[0] : 0;
    const AppendedCabinet cab = LocateCabinet(input, headEnd);
    if (cab.status == AppendedStatus::Ok && (cab.offset + cab.length > size || cab.length == 0)) std::abort();
    if (auto span = FindIcon32(input); span && span->offset < 6) std::abort();
    const HeadIconArea area = FindHeadIconArea(input);
    if (area.status == HeadIconArea::Status::Found &&
        (area.position < 1 || static_cast<std::uint64_t>(area.position - 1 + 6 + area.length) > size)) {
        std::abort();
    }
    return 0;
}
