// The cabinet check of a patch package: every way a damaged or foreign cabinet is refused
// before extraction (cabinets that cabextract verifies: CabRoundTrip_test, e2e/patchhead.sh).
#include <gtest/gtest.h>

#include <functional>

#include "runtime/CabinetCheck.h"
#include "maker/PackageLayout.h"
#include "maker/cab/CabWriter.h"

using namespace quen;
using namespace quen::runtime;

namespace {

// An uncompressed cabinet of the shared writer, with where its file list and data start.
struct Cabinet {
    Bytes bytes;
    std::size_t filesAt = 0, dataAt = 0;
};

Cabinet Build(const std::vector<std::pair<std::string, std::string>>& files) {
    std::vector<cab::CabEntry> entries;
    for (const auto& [name, data] : files) entries.push_back({name, Bytes(data.begin(), data.end())});
    cab::CabSettings none;
    none.method = cab::kNone;
    Cabinet c{cab::WriteCabinet(entries, none)};
    c.filesAt = cab::Get32(c.bytes.data() + cab::kHeaderFilesOffset);
    c.dataAt = cab::Get32(c.bytes.data() + cab::kHeaderSize);
    return c;
}

}  // namespace

TEST(CabinetCheck, DamagedOrForeignCabinetsAreRefused) {
    using Damage = std::function<void(Bytes&, const Cabinet&)>;
    const auto good = Build({{"P1", std::string(40000, 'a')}, {"Setup.ini", "[Setup]"}});
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        Damage damage;
        const char* fault;
    } cases[] = {
        {"data byte flipped", {}, [](Bytes& b, auto& c) { b[c.dataAt + 8 + 100] ^= 1; }, "checksum"},
        {"last data byte flipped", {}, [](Bytes& b, auto&) { b.back() ^= 0x80; }, "checksum"},
        {"block size changed", {}, [](Bytes& b, auto& c) { b[c.dataAt + 8 + 32768 + 6] ^= 1; }, "checksum"},
        {"truncated", {}, [](Bytes& b, auto&) { b.resize(b.size() - 1); }, "length"},
        {"truncated, length fixed", {}, [](Bytes& b, auto&) { b.resize(b.size() - 1); SetLE32(b, 8, static_cast<std::uint32_t>(b.size())); }, "past the end"},
        {"not a cabinet", {}, [](Bytes& b, auto&) { b[0] = 'X'; }, "not a cabinet"},
        {"part of a set", {}, [](Bytes& b, auto&) { b[30] = 2; }, "set"},
        {"reserved areas", {}, [](Bytes& b, auto&) { b[30] = 4; }, "reserved"},
        {"file past folder data", {}, [](Bytes& b, auto& c) { SetLE32(b, c.filesAt, 40008); }, "past its folder"},  // 7 bytes of Setup.ini follow
        {"missing folder", {}, [](Bytes& b, auto& c) { b[c.filesAt + 8] = 1; }, "folder that does not exist"},
        {"unknown compression", {}, [](Bytes& b, auto&) { b[42] = 7; }, "compression"},
        {"Quantum", {}, [](Bytes& b, auto&) { b[42] = 2; }, "compression"},
        {"files sharing data", {}, [](Bytes& b, auto& c) { SetLE32(b, c.filesAt + 19, 40000); SetLE32(b, c.filesAt + 23, 0); }, "claim more"},  // Setup.ini over P1
        {"foreign name", {{"evil.exe", "x"}, {"Setup.ini", ""}}, nullptr, "no patch holds"},
        {"path in a name", {{"..\\P1", "x"}, {"Setup.ini", ""}}, nullptr, "no patch holds"},
        {"name twice", {{"P1", "x"}, {"P1", "y"}, {"Setup.ini", ""}}, nullptr, "twice"},
        {"no script", {{"P1", "x"}}, nullptr, "no patch script"},
    };
    for (const auto& c : cases) {
        Cabinet cab = c.files.empty() ? good : Build(c.files);
        if (c.damage) c.damage(cab.bytes, cab);
        const CabinetCheck r = CheckCabinet(cab.bytes);
        EXPECT_NE(r.fault.find(c.fault), std::string::npos) << c.what << ": " << r.fault;
        EXPECT_TRUE(r.files.empty()) << c.what;
    }
}
