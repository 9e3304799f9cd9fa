#include "journal/FoldedCrc32.h"

#include <immintrin.h>

namespace FoldedCrc32 {

namespace {

// x^k mod P(x) for the folding distances (bit-reflected, as the data is), the 33-bit
// polynomial P and Barrett's constant u = x^64 / P, as Intel's paper on folding CRCs with
// PCLMULQDQ gives them for this polynomial.
constexpr long long fold512Low = 0x154442bd4;   // x^(4*128+32) mod P
constexpr long long fold512High = 0x1c6e41596;  // x^(4*128-32) mod P
constexpr long long fold128Low = 0x1751997d0;   // x^(128+32) mod P
constexpr long long fold128High = 0x0ccaa009e;  // x^(128-32) mod P
constexpr long long fold64 = 0x163cd6124;       // x^64 mod P
constexpr long long polynomial = 0x1db710641;
constexpr long long barrett = 0x1f7011641;

__attribute__((target("pclmul"))) __m128i fold(__m128i value, __m128i distances, __m128i next) {
    const __m128i low = _mm_clmulepi64_si128(value, distances, 0x00);
    const __m128i high = _mm_clmulepi64_si128(value, distances, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

__m128i load(const unsigned char *bytes) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes));
}

}  // namespace

bool isAvailable() {
    static const bool available = __builtin_cpu_supports("pclmul");
    return available;
}

__attribute__((target("pclmul"))) std::uint32_t extend(std::uint32_t crc,
                                                       const unsigned char *bytes,
                                                       std::size_t size) {
    const __m128i by512 = _mm_set_epi64x(fold512High, fold512Low);
    const __m128i by128 = _mm_set_epi64x(fold128High, fold128Low);
    const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);

    // zlib's value is the complement of the register.
    __m128i x1 = _mm_xor_si128(load(bytes), _mm_cvtsi32_si128(int(~crc)));
    __m128i x2 = load(bytes + 16);
    __m128i x3 = load(bytes + 32);
    __m128i x4 = load(bytes + 48);
    bytes += 64;
    size -= 64;
    for (; size >= 64; bytes += 64, size -= 64) {
        x1 = fold(x1, by512, load(bytes));
        x2 = fold(x2, by512, load(bytes + 16));
        x3 = fold(x3, by512, load(bytes + 32));
        x4 = fold(x4, by512, load(bytes + 48));
    }
    x1 = fold(x1, by128, x2);
    x1 = fold(x1, by128, x3);
    x1 = fold(x1, by128, x4);
    for (; size >= 16; bytes += 16, size -= 16) x1 = fold(x1, by128, load(bytes));

    // 128 bits to 64, with 32 zero bits appended, then to 32 by Barrett's reduction.
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(by128, x1, 0x01));
    const __m128i lowTimes64 =
        _mm_clmulepi64_si128(_mm_and_si128(x1, low32), _mm_set_epi64x(0, fold64), 0x00);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 4), lowTimes64);
    const __m128i reduction = _mm_set_epi64x(barrett, polynomial);
    __m128i quotient = _mm_clmulepi64_si128(_mm_and_si128(x1, low32), reduction, 0x10);
    quotient = _mm_clmulepi64_si128(_mm_and_si128(quotient, low32), reduction, 0x00);
    x1 = _mm_xor_si128(x1, quotient);
    return ~std::uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(x1, 4)));
}

}  // namespace FoldedCrc32
