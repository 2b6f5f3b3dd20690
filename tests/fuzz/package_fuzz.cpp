// Fuzzes the readers of the package and its layout on any bytes: the package is located by
// the PE headers and the stored length, and the cabinet check never reads outside its bytes;
// whatever it accepts holds only package names, "Setup.ini" among them. The INI definition
// block round-trips or is refused; the maker's appended cabinet, icon image and head icon
// area stay inside the bytes.
#include "fuzz/FuzzInput.h"
#include "maker/HeadIconArea.h"
#include "maker/IconProcModule.h"
#include "maker/PackageLayout.h"
#include "runtime/CabinetCheck.h"
#include "maker/PackageImage.h"

using namespace quen;
using fuzz::Require;

namespace {

void CheckCabinet(ByteView cabinet) {
    const runtime::CabinetCheck r = runtime::CheckCabinet(cabinet);
    if (!r.Ok()) return Require(r.files.empty());
    bool script = false;
    for (const auto& f : r.files) {
        Require(IsPackageFileName(f.name));
        script = script || f.name == "Setup.ini";
    }
    Require(script);
}

void CheckLayout(ByteView input) {
    if (auto definitions = ReadIniBlock(input)) Require(BuildIniBlock(*definitions) == Bytes(input.begin(), input.end()));
    const AppendedCabinet cab = LocateCabinet(input, input.empty() ? 0 : input[0]);
    Require(cab.status != AppendedStatus::Ok || (cab.offset + cab.length <= input.size() && cab.length != 0));
    if (auto span = FindIcon32(input)) Require(span->offset >= 6);
    const HeadIconArea area = FindHeadIconArea(input);
    Require(area.status != HeadIconArea::Status::Found ||
            (area.position >= 1 && static_cast<std::uint64_t>(area.position - 1 + 6 + area.length) <= input.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteView all(data, size);
    const PackageLocation where = LocatePackage(all);
    if (where.fault == PackageFault::None) {
        Require(where.cabinet.data() >= data && where.cabinet.data() + where.cabinet.size() <= data + size);
        CheckCabinet(where.cabinet);
    }
    CheckCabinet(all);  // the bytes as a cabinet of their own
    CheckLayout(all);
    return 0;
}
