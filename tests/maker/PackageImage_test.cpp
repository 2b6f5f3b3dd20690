// Finding the package behind the head: by the PE image's end (the furthest section end) and
// the stored length, with data appended later (a signature) and every length that does not fit.
#include <gtest/gtest.h>

#include <functional>

#include "maker/PeBuilder.h"
#include "maker/PackageImage.h"

using namespace quen;

namespace {

constexpr std::size_t kOptional = testpe::kPeOffset + 24;

// A 64-bit head: headers, ".text" and ".rsrc"; the image ends at 0x200 + 0x300 + 0x100.
Bytes Head() {
    Bytes f = testpe::Build({{".text", Bytes(0x300, 0x90)}, {".rsrc", Bytes(0x100, 0x11)}});
    testpe::Put16(f, kOptional, 0x20B);
    testpe::Put32(f, kOptional + 60, 0x200);
    testpe::Put32(f, kOptional + 108, 16);
    return f;
}

void Append(Bytes& f, const Bytes& more) { f.insert(f.end(), more.begin(), more.end()); }

Bytes Length(std::uint32_t n) {
    Bytes b;
    PutLE32(b, n);
    return b;
}

// Points the certificate directory at a table of `size` bytes appended at `at`.
void Sign(Bytes& f, std::size_t padding, std::uint32_t size) {
    f.resize(f.size() + padding, 0);
    testpe::Put32(f, kOptional + 112 + 32, static_cast<std::uint32_t>(f.size()));
    testpe::Put32(f, kOptional + 112 + 36, size);
    f.resize(f.size() + size, 0x5A);
}

}  // namespace

TEST(PackageImage, LocatesByStoredLengthOnly) {
    const Bytes cab(40, 0xCA);
    const struct {
        const char* what;
        std::function<void(Bytes&)> make;
        PackageFault fault;
    } cases[] = {
        {"package", [&](Bytes& f) { Append(f, Length(40)); Append(f, cab); }, PackageFault::None},
        {"package, then bytes", [&](Bytes& f) { Append(f, Length(40)); Append(f, cab); Append(f, Bytes(9, 1)); }, PackageFault::None},
        {"package, then signature", [&](Bytes& f) { Append(f, Length(40)); Append(f, cab); Sign(f, 4, 600); }, PackageFault::None},
        {"head alone", [](Bytes&) {}, PackageFault::NoPackage},
        {"head and 3 bytes", [](Bytes& f) { Append(f, Bytes(3, 7)); }, PackageFault::NoPackage},
        {"head alone, signed", [](Bytes& f) { Sign(f, 0, 600); }, PackageFault::NoPackage},
        {"head alone, signed after padding", [](Bytes& f) { Sign(f, 6, 600); }, PackageFault::NoPackage},
        {"length past the end", [&](Bytes& f) { Append(f, Length(41)); Append(f, cab); }, PackageFault::BadLength},
        {"length into the signature", [&](Bytes& f) { Append(f, Length(44)); Append(f, cab); Sign(f, 0, 600); }, PackageFault::BadLength},
        {"length below a cabinet header", [&](Bytes& f) { Append(f, Length(35)); Append(f, cab); }, PackageFault::BadLength},
        {"length of 4 GB", [&](Bytes& f) { Append(f, Length(0xFFFFFFFF)); Append(f, cab); }, PackageFault::BadLength},
        {"no PE header", [](Bytes& f) { f[testpe::kPeOffset] = 'X'; }, PackageFault::NotExecutable},
        {"last section past the file", [](Bytes& f) { f.resize(0x5FF); }, PackageFault::NotExecutable},
    };
    for (const auto& c : cases) {
        Bytes f = Head();
        c.make(f);
        const PackageLocation r = LocatePackage(f);
        EXPECT_EQ(r.fault, c.fault) << c.what;
        if (c.fault == PackageFault::None) {
            EXPECT_EQ(r.cabinet.data(), f.data() + 0x604) << c.what;
            EXPECT_EQ(r.cabinet.size(), 40u) << c.what;
        }
    }
}
