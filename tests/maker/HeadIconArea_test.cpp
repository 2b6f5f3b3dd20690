// The head's icon area found in its resources, and every way a head can lack one.
#include <gtest/gtest.h>

#include <functional>

#include "PeBuilder.h"
#include "maker/HeadIconArea.h"

namespace quen {
namespace {

using testpe::Put16;
using testpe::Put32;

constexpr std::uint32_t kRsrcRaw = 0x200, kRsrcRva = 0x1000, kImageSize = 40;
constexpr std::uint32_t kGroupAt = 0xA0, kImageAt = 0xB4;  // inside the resource section

// A PE32 head with one resource section: RT_ICON 1 and RT_GROUP_ICON 1 (one 32x32
// entry), the group's data right before the image's.
Bytes Head() {
    Bytes rsrc(kImageAt + kImageSize, 0);
    auto dir = [&](std::uint32_t at, std::uint32_t id, std::uint32_t to) {
        Put16(rsrc, at + 14, static_cast<std::uint16_t>(rsrc[at + 14] + 1));
        const std::uint32_t e = at + 16 + 8 * (rsrc[at + 14] - 1);
        Put32(rsrc, e, id);
        Put32(rsrc, e + 4, to);
    };
    dir(0x00, 3, 0x80000020);
    dir(0x00, 14, 0x80000038);
    dir(0x20, 1, 0x80000050);
    dir(0x38, 1, 0x80000068);
    dir(0x50, 0x409, 0x80);
    dir(0x68, 0x409, 0x90);
    Put32(rsrc, 0x80, kRsrcRva + kImageAt);
    Put32(rsrc, 0x84, kImageSize);
    Put32(rsrc, 0x90, kRsrcRva + kGroupAt);
    Put32(rsrc, 0x94, 20);
    const Bytes group{0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0, kImageSize, 0, 0, 0, 1, 0};
    std::copy(group.begin(), group.end(), rsrc.begin() + kGroupAt);
    Bytes f = testpe::Build({{".rsrc", rsrc}});
    const std::uint32_t pe = testpe::kPeOffset, section = testpe::TableOffset();
    Put16(f, pe + 24, 0x10b);
    Put32(f, pe + 24 + 96 + 16, kRsrcRva);
    Put32(f, section + 8, static_cast<std::uint32_t>(rsrc.size()));
    Put32(f, section + 12, kRsrcRva);
    return f;
}

TEST(HeadIconArea, FindsTheAreaOrSaysWhyNot) {
    using S = HeadIconArea::Status;
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
        S status;
    } cases[] = {
        {"laid out for replacement", [](Bytes&) {}, S::Found},
        {"PE32+ head", [](Bytes& f) {
             Put16(f, testpe::kPeOffset + 24, 0x20b);
             Put32(f, testpe::kPeOffset + 24 + 112 + 16, kRsrcRva);
         }, S::Found},
        {"image placed elsewhere", [](Bytes& f) { Put32(f, kRsrcRaw + 0x80, kRsrcRva + kImageAt - 4); }, S::Misplaced},
        {"16x16 only", [](Bytes& f) { f[kRsrcRaw + kGroupAt + 6] = 16; }, S::NoIcon},
        {"image id missing", [](Bytes& f) { f[kRsrcRaw + kGroupAt + 18] = 2; }, S::NoIcon},
        {"no icon group", [](Bytes& f) { f[kRsrcRaw + 0x18] = 15; }, S::NoIcon},
        {"group runs past the file", [](Bytes& f) { Put32(f, kRsrcRaw + 0x94, 0x10000); }, S::NoIcon},
        {"cut inside the resources", [](Bytes& f) { f.resize(kRsrcRaw + 0x30); }, S::NoIcon},
        {"not MZ", [](Bytes& f) { f[0] = 'X'; }, S::NotPe},
        {"resources outside every section", [](Bytes& f) { Put32(f, testpe::kPeOffset + 24 + 112, 0x9000); }, S::NotPe},
    };
    for (const Case& c : cases) {
        Bytes f = Head();
        c.change(f);
        const HeadIconArea a = FindHeadIconArea(f);
        EXPECT_EQ(a.status, c.status) << c.what << ": " << a.detail;
        if (a.status != S::Found) continue;
        EXPECT_EQ(a.position, kRsrcRaw + kGroupAt + 6 + 8 + 1) << c.what;
        EXPECT_EQ(a.length, kImageSize) << c.what;
        EXPECT_EQ(a.imageSizeAt, kRsrcRaw + 0x84) << c.what;
    }
}

}  // namespace
}  // namespace quen
