// The cabinet check of a patch package: the data block checksum, the names a package may
// hold, and every way a damaged cabinet is refused before extraction.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "runtime/CabinetCheck.h"
#include "runtime/TestCabinet.h"

using namespace quen;
using namespace quen::runtime;

TEST(CabChecksum, WholeWordsLittleEndianLeftoverBytesFirstHighest) {
    const struct {
        Bytes data;
        std::uint32_t sum;
    } cases[] = {
        {{}, 0},
        {{0x01}, 0x01},
        {{0x01, 0x02}, 0x0102},
        {{0x01, 0x02, 0x03}, 0x010203},
        {{0x01, 0x02, 0x03, 0x04}, 0x04030201},
        {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06}, 0x04030201 ^ 0x0506},
    };
    for (const auto& c : cases) EXPECT_EQ(CabChecksumFold(c.data, 0), c.sum) << c.data.size();
    // The sizes follow the data as one more little-endian word.
    EXPECT_EQ(CabDataChecksum(Bytes{0x01, 0x02, 0x03}, 3, 5), 0x010203u ^ 0x00050003u);
}

TEST(CabinetCheck, PackageNames) {
    for (const char* ok : {"Setup.ini", "Setup.img", "P1", "P12345"}) EXPECT_TRUE(IsPackageName(ok)) << ok;
    for (const char* bad : {"", "P", "P123456", "P1a", "p1", "setup.ini", "..\\P1", "a\\P1", "P1 ", "Setup.exe"})
        EXPECT_FALSE(IsPackageName(bad)) << bad;
}

TEST(CabinetCheck, SoundCabinetListsItsFiles) {
    const std::string big(70000, 'x');  // three data blocks
    const auto cab = testcab::Build({{"P1", big}, {"Setup.img", ""}, {"Setup.ini", "[Setup]"}});
    const CabinetCheck r = CheckCabinet(cab.bytes);
    ASSERT_TRUE(r.Ok()) << r.fault;
    ASSERT_EQ(r.files.size(), 3u);
    EXPECT_EQ(r.files[0].name, "P1");
    EXPECT_EQ(r.files[0].size, 70000u);
    EXPECT_EQ(r.files[2].name, "Setup.ini");
}

TEST(CabinetCheck, AcceptsACabinetThatCabextractVerified) {
    std::ifstream in(std::string(QUEN_TEST_DATA) + "/runtime/checked.cab", std::ios::binary);
    const Bytes cab((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const CabinetCheck r = CheckCabinet(cab);
    EXPECT_TRUE(r.Ok()) << r.fault;
    EXPECT_EQ(r.files.size(), 2u);
}

TEST(CabinetCheck, DamagedOrForeignCabinetsAreRefused) {
    using Damage = std::function<void(Bytes&, const testcab::Cabinet&)>;
    const auto good = testcab::Build({{"P1", std::string(40000, 'a')}, {"Setup.ini", "[Setup]"}});
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
        {"foreign name", {{"evil.exe", "x"}, {"Setup.ini", ""}}, nullptr, "no patch holds"},
        {"path in a name", {{"..\\P1", "x"}, {"Setup.ini", ""}}, nullptr, "no patch holds"},
        {"name twice", {{"P1", "x"}, {"P1", "y"}, {"Setup.ini", ""}}, nullptr, "twice"},
        {"no script", {{"P1", "x"}}, nullptr, "no patch script"},
    };
    for (const auto& c : cases) {
        testcab::Cabinet cab = c.files.empty() ? good : testcab::Build(c.files);
        if (c.damage) c.damage(cab.bytes, cab);
        const CabinetCheck r = CheckCabinet(cab.bytes);
        EXPECT_NE(r.fault.find(c.fault), std::string::npos) << c.what << ": " << r.fault;
        EXPECT_TRUE(r.files.empty()) << c.what;
    }
}
