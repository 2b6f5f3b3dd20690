// CRC-32 with tables built once, eight bytes a step ("slicing by 8"), and on processors
// with carry-less multiplication, 64 bytes a step by folding: the decoders check every
// rebuilt file, so this runs at the speed of the rebuild itself.
#include "maker/Crc32.h"

#include <array>
#include <memory>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define QUEN_CRC_FOLD 1
#endif

namespace quen {

namespace {

using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// tables[0] is the byte-wise table; tables[k][n] is the CRC of byte n followed by k zero bytes.
void FillTables(Tables& t) {
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n) {
        for (int k = 1; k < 8; ++k) t[k][n] = t[0][t[k - 1][n] & 0xFF] ^ (t[k - 1][n] >> 8);
    }
}

// Made on the heap at the first use: a table the compiler fills, or any static one (MinGW
// keeps even zero-filled statics in the file), ships 8 KB in every program, the head included.
const Tables& CrcTables() {
    static const std::unique_ptr<const Tables> tables = [] {
        auto t = std::make_unique<Tables>();
        FillTables(*t);
        return t;
    }();
    return *tables;
}

std::uint32_t Sliced(const Tables& t, std::uint32_t c, const std::uint8_t* p, std::size_t n) {
    for (; n >= 8; n -= 8, p += 8) {
        const std::uint32_t lo = c ^ GetLE32(p), hi = GetLE32(p + 4);
        c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^
            t[3][hi & 0xFF] ^ t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
    }
    for (; n > 0; --n, ++p) c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c;
}

#ifdef QUEN_CRC_FOLD

// x^n modulo the polynomial, bit-reflected like the CRC, in the high half of 64 bits: the
// form that carry-less multiplication of reflected values needs.
constexpr std::uint64_t PowerOfX(int n) {
    std::uint32_t r = 0x80000000u;  // x^0
    for (int i = 0; i < n; ++i) r = (r & 1) ? (r >> 1) ^ 0xEDB88320u : r >> 1;
    return std::uint64_t{r} << 32;
}

// A 128-bit remainder R of the message so far, moved `bits` further on, with k holding
// x^(bits + 63) low and x^(bits - 1) high: R's low half holds its high powers, and a
// product of reflected values comes out one power of x up.
__attribute__((target("sse2,pclmul"))) inline __m128i Fold(__m128i r, __m128i k) {
    return _mm_xor_si128(_mm_clmulepi64_si128(r, k, 0x00), _mm_clmulepi64_si128(r, k, 0x11));
}

__attribute__((target("sse2,pclmul"))) inline __m128i Load(const std::uint8_t* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// The state after `n` bytes (a multiple of 16, at least 64), through a remainder that
// stays congruent to the message: its 16 bytes through the table give the CRC.
__attribute__((target("sse2,pclmul"))) std::uint32_t Folded(const Tables& t, std::uint32_t c,
                                                            const std::uint8_t* p, std::size_t n) {
    constexpr auto k127 = static_cast<long long>(PowerOfX(127)), k191 = static_cast<long long>(PowerOfX(191));
    constexpr auto k511 = static_cast<long long>(PowerOfX(511)), k575 = static_cast<long long>(PowerOfX(575));
    const __m128i by512 = _mm_set_epi64x(k511, k575), by128 = _mm_set_epi64x(k127, k191);
    __m128i r[4] = {_mm_xor_si128(Load(p), _mm_cvtsi32_si128(static_cast<int>(c))), Load(p + 16), Load(p + 32),
                    Load(p + 48)};
    std::size_t at = 64;
    for (; at + 64 <= n; at += 64) {
        for (int k = 0; k < 4; ++k) r[k] = _mm_xor_si128(Fold(r[k], by512), Load(p + at + 16 * k));
    }
    __m128i one = r[0];
    for (int k = 1; k < 4; ++k) one = _mm_xor_si128(Fold(one, by128), r[k]);
    for (; at < n; at += 16) one = _mm_xor_si128(Fold(one, by128), Load(p + at));
    std::uint8_t rest[16];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(rest), one);
    return Sliced(t, 0, rest, 16);
}

// From the processor's feature bits (CPUID 1: EDX bit 26 SSE2, ECX bit 1 PCLMULQDQ); the
// compiler's own feature check would bring its table of every processor into the head.
bool CanFold() {
    static const bool can = [] {
        unsigned a = 0, b = 0, c = 0, d = 0;
        return __get_cpuid(1, &a, &b, &c, &d) && (d >> 26 & 1) && (c >> 1 & 1);
    }();
    return can;
}

#endif

}  // namespace

std::uint32_t Crc32(ByteView data) {
    const Tables& t = CrcTables();
    std::uint32_t c = 0xFFFFFFFFu;
    const std::uint8_t* p = data.data();
    std::size_t n = data.size();
#ifdef QUEN_CRC_FOLD
    if (n >= 64 && CanFold()) {
        const std::size_t folded = n & ~std::size_t{15};
        c = Folded(t, c, p, folded);
        p += folded;
        n -= folded;
    }
#endif
    return Sliced(t, c, p, n) ^ 0xFFFFFFFFu;
}

}  // namespace quen
