// The 32x32 icon check and the icon area written into the head, with icon files made in the
// test (a file too short for its header or directory: package_fuzz); the area found in a
// head's resources.
#include <gtest/gtest.h>

#include <functional>

#include "maker/CompModule.h"
#include "maker/HeadIconArea.h"
#include "maker/IconProcModule.h"
#include "maker/PeBuilder.h"
#include "support/TempDir.h"

namespace quen {
namespace {

struct Entry {
    std::uint8_t width, height;
    std::string image;
    std::uint8_t colours = 0, bits = 8;
};

// An icon file whose images follow the directory in entry order. `storedCount` lets a
// test claim another number of images than it writes.
std::string Ico(const std::vector<Entry>& entries, int storedCount = -1) {
    const std::uint16_t count = static_cast<std::uint16_t>(storedCount < 0 ? entries.size() : storedCount);
    std::string out{0, 0, 1, 0, static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)};
    for (const Entry& e : entries) {
        std::string entry(16, '\0');
        entry[0] = static_cast<char>(e.width), entry[1] = static_cast<char>(e.height);
        entry[2] = static_cast<char>(e.colours), entry[4] = 1, entry[6] = static_cast<char>(e.bits);
        entry[8] = static_cast<char>(e.image.size());  // images here are below 256 bytes
        out += entry;
    }
    for (const Entry& e : entries) out += e.image;
    return out;
}

// The area (8 bytes here) takes the first 32x32 image by entry order; the group entry before
// it the image's colour count, planes and bit count, also a bit count read from a bitmap header.
TEST(IconProcModule, ReplacesTheAreaOrLeavesTheHead) {
    test::TempDir dir;
    const std::string bmp32 = std::string("\x28\0\0\0", 4) + std::string(8, 'w') + std::string("\1\0\x20\0", 4);
    test::WriteFileBytes(dir.Path("third.ico"),
                         Ico({{16, 16, "aa"}, {48, 48, "bbb"}, {32, 32, "ICON", 16, 4}, {32, 32, "later"}}));
    test::WriteFileBytes(dir.Path("wide.ico"), Ico({{32, 16, "a"}, {16, 32, "b"}}));
    test::WriteFileBytes(dir.Path("count0.ico"), Ico({{32, 32, "X"}}, 0));
    test::WriteFileBytes(dir.Path("negative.ico"), Ico({{32, 32, "X"}}, 0x8001));
    test::WriteFileBytes(dir.Path("third.bmp"), Ico({{32, 32, "ICON"}}));
    test::WriteFileBytes(dir.Path("small.ico"), Ico({{16, 16, "aa"}}));
    test::WriteFileBytes(dir.Path("full.ico"), Ico({{32, 32, "FULLFULL"}}));
    test::WriteFileBytes(dir.Path("big.ico"), Ico({{32, 32, std::string(9, 'B')}}));
    test::WriteFileBytes(dir.Path("cut.ico"), Ico({{32, 32, "ICON"}}).substr(0, 24));
    test::WriteFileBytes(dir.Path("bmp.ico"), Ico({{32, 32, bmp32, 0, 0}}));
    const Bytes head(48, 0xEE);
    struct Case {
        const char* icon;
        std::int64_t position;
        IconResult result;
        std::string entry = "", image = "";  // what a replacement writes
    } cases[] = {
        {"third.ico", 13, IconResult::Replaced, {"\x10\0\1\0\4\0", 6}, "ICON"},
        {"bmp.ico", 13, IconResult::Replaced, {"\0\0\1\0\x20\0", 6}, bmp32},  // a longer area below
        {"third.bmp", 13, IconResult::NotAnIcon},
        {"missing.ico", 13, IconResult::NotAnIcon},
        {"small.ico", 13, IconResult::No32x32},
        {"wide.ico", 13, IconResult::No32x32},  // 32 wide or 32 high only
        {"count0.ico", 13, IconResult::No32x32},
        {"negative.ico", 13, IconResult::No32x32},
        {"full.ico", 13, IconResult::Replaced, {"\0\0\1\0\x08\0", 6}, "FULLFULL"},  // fills the area exactly
        {"big.ico", 13, IconResult::TooLarge},
        {"cut.ico", 13, IconResult::Damaged},
        {"third.ico", 0, IconResult::NoIconArea},   // the shipped settings before a head exists
        {"third.ico", 8, IconResult::NoIconArea},   // the group entry would start before the head
        {"third.ico", 36, IconResult::NoIconArea},  // area ends one byte past the head
        {"third.ico", 35, IconResult::Replaced, {"\x10\0\1\0\4\0", 6}, "ICON"},  // area ends at the last byte
    };
    for (const Case& c : cases) {
        Bytes h = head;
        const std::int64_t length = c.image.size() > 8 ? 24 : 8;
        const IconReplacement r = ReplaceIcon(h, std::string(".\\") + c.icon, dir.path(), c.position, length);
        EXPECT_EQ(r.result, c.result) << c.icon;
        EXPECT_EQ(HasIcon32File(dir.Path(c.icon)), c.result != IconResult::No32x32 && test::PathExists(dir.Path(c.icon)))
            << c.icon;
        EXPECT_EQ(r.message.empty(), c.result == IconResult::Replaced || c.result == IconResult::NotAnIcon ||
                                         c.result == IconResult::No32x32)
            << c.icon;
        Bytes want = head;
        if (c.result == IconResult::Replaced) {  // the entry, the length, two head bytes kept, the image, zeros
            const std::string area = c.entry + std::string{static_cast<char>(c.image.size()), 0, 0, 0, '\xEE', '\xEE'} +
                                     c.image + std::string(static_cast<std::size_t>(length) - c.image.size(), '\0');
            std::copy(area.begin(), area.end(), want.begin() + (c.position - 1 - 6));
        }
        EXPECT_EQ(h, want) << c.icon;
    }
}

// The head's icon area found in its resources, and every way a head can lack one.
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
