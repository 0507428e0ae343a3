// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/recolour_avx512.h"

#include <algorithm>
#include <cstdint>

#include "imaging/simd_support.h"

namespace kelvaro {
namespace {

// A channel table in four registers of 64 entries.
struct TableRegisters {
    __m512i part[4];
};

KELVARO_AVX512 TableRegisters tableRegisters(const ChannelTable& table) {
    TableRegisters registers;
    for (std::size_t k = 0; k < 4; ++k)
        registers.part[k] = _mm512_loadu_si512(table.data() + 64 * k);
    return registers;
}

// Every byte of `bytes` looked up in the table: the low seven bits pick one of 128 entries in
// either half, the top bit (`upper`) the half.
KELVARO_AVX512 __m512i lookUp(const TableRegisters& table, __m512i bytes, __mmask64 upper) {
    const __m512i low = _mm512_permutex2var_epi8(table.part[0], bytes, table.part[1]);
    const __m512i high = _mm512_permutex2var_epi8(table.part[2], bytes, table.part[3]);
    return _mm512_mask_blend_epi8(upper, low, high);
}

// The bytes of each channel in sixteen ARGB pixels held little-endian (B, G, R, A).
constexpr std::uint64_t kBlueBytes = 0x1111111111111111u;
constexpr std::uint64_t kGreenBytes = kBlueBytes << 1;
constexpr std::uint64_t kRedBytes = kBlueBytes << 2;

}  // namespace

KELVARO_AVX512 void recolourRowAvx512(const Argb* loaded, Argb* image, int count,
                                      const ChannelTable& red, const ChannelTable& green,
                                      const ChannelTable& blue) {
    const TableRegisters redTable = tableRegisters(red);
    const TableRegisters greenTable = tableRegisters(green);
    const TableRegisters blueTable = tableRegisters(blue);
    const __m512i alphaBits = _mm512_set1_epi32(static_cast<int>(0xff000000u));
    for (int i = 0; i < count; i += 16) {
        const int n = std::min(16, count - i);
        const auto lanes = static_cast<__mmask16>((1u << n) - 1u);
        const __m512i pixels = _mm512_maskz_loadu_epi32(lanes, loaded + i);
        const __mmask64 upper = _mm512_movepi8_mask(pixels);
        __m512i result = pixels;
        result = _mm512_mask_mov_epi8(result, kBlueBytes, lookUp(blueTable, pixels, upper));
        result = _mm512_mask_mov_epi8(result, kGreenBytes, lookUp(greenTable, pixels, upper));
        result = _mm512_mask_mov_epi8(result, kRedBytes, lookUp(redTable, pixels, upper));
        const __mmask16 transparent = _mm512_testn_epi32_mask(pixels, alphaBits);
        result = _mm512_mask_mov_epi32(result, transparent, pixels);
        _mm512_mask_storeu_epi32(image + i, lanes, result);
    }
}

}  // namespace kelvaro
