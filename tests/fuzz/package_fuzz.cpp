// Fuzzes the cabinet-reading side of the executable head: the package is located by the
// PE headers and the stored length, and the cabinet check never reads outside its bytes;
// whatever it accepts holds only package names, "Setup.ini" among them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "maker/PackageLayout.h"
#include "runtime/CabinetCheck.h"
#include "runtime/PackageImage.h"

namespace {

void Check(quen::ByteView cabinet) {
    const quen::runtime::CabinetCheck r = quen::runtime::CheckCabinet(cabinet);
    if (!r.Ok()) {
        if (!r.files.empty()) std::abort();
        return;
    }
    bool script = false;
    for (const auto& f : r.files) {
        if (!quen::IsPackageFileName(f.name)) std::abort();
        script = script || f.name == "Setup.ini";
    }
    if (!script) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quen::ByteView all(data, size);
    const quen::runtime::PackageLocation where = quen::runtime::LocatePackage(all);
    if (where.fault == quen::runtime::PackageFault::None) {
        if (where.cabinet.data() < data || where.cabinet.data() + where.cabinet.size() > data + size) std::abort();
        Check(where.cabinet);
    }
    Check(all);  // the bytes as a cabinet of their own
    return 0;
}
