// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The SHA-256 compression with the x86 SHA extensions, compiled on x86 alone and called only when
// sha256InstructionsAvailable() says the processor has them. The instructions keep the working
// words as two vectors, ABEF and CDGH, and do two rounds per sha256rnds2; the message schedule
// is worked out four words at a time by sha256msg1/sha256msg2.
#include <immintrin.h>

#include "model/sha256_blocks.h"

#define KELVARO_SHA_NI __attribute__((target("sha,sse4.1")))

namespace kelvaro {
namespace {

// Four rounds on the words `words` (W[t..t+3]) with their round constants `constants`.
KELVARO_SHA_NI inline void fourRounds(__m128i& abef, __m128i& cdgh, __m128i words,
                                      const std::uint32_t* constants) {
    __m128i sums =
        _mm_add_epi32(words, _mm_loadu_si128(reinterpret_cast<const __m128i*>(constants)));
    cdgh = _mm_sha256rnds2_epu32(cdgh, abef, sums);
    sums = _mm_shuffle_epi32(sums, 0x0e);
    abef = _mm_sha256rnds2_epu32(abef, cdgh, sums);
}

// W[t..t+3] from the four groups before it, the oldest first.
KELVARO_SHA_NI inline __m128i nextWords(__m128i w0, __m128i w1, __m128i w2, __m128i w3) {
    const __m128i partial = _mm_add_epi32(_mm_sha256msg1_epu32(w0, w1), _mm_alignr_epi8(w3, w2, 4));
    return _mm_sha256msg2_epu32(partial, w3);
}

KELVARO_SHA_NI void compressBlock(__m128i& abef, __m128i& cdgh, const std::uint8_t* block) {
    const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
    const __m128i savedAbef = abef, savedCdgh = cdgh;
    __m128i w[4];
    for (int i = 0; i < 4; ++i) {
        const auto* source = reinterpret_cast<const __m128i*>(block + 16 * i);
        w[i] = _mm_shuffle_epi8(_mm_loadu_si128(source), byteSwap);
        fourRounds(abef, cdgh, w[i], kSha256RoundConstants.data() + 4 * i);
    }
#pragma GCC unroll 12
    for (int group = 4; group < 16; ++group) {
        __m128i& slot = w[group & 3];
        slot = nextWords(slot, w[(group + 1) & 3], w[(group + 2) & 3], w[(group + 3) & 3]);
        fourRounds(abef, cdgh, slot, kSha256RoundConstants.data() + 4 * group);
    }
    abef = _mm_add_epi32(abef, savedAbef);
    cdgh = _mm_add_epi32(cdgh, savedCdgh);
}

}  // namespace

KELVARO_SHA_NI void sha256BlocksShaNi(std::uint32_t* state, const std::uint8_t* blocks,
                                      std::size_t count) {
    // Vectors are named by their 32-bit lanes from the highest down.
    auto* words = reinterpret_cast<__m128i*>(state);
    const __m128i cdab = _mm_shuffle_epi32(_mm_loadu_si128(words), 0xb1);
    const __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(words + 1), 0x1b);
    __m128i abef = _mm_alignr_epi8(cdab, efgh, 8);
    __m128i cdgh = _mm_blend_epi16(efgh, cdab, 0xf0);
    for (std::size_t i = 0; i < count; ++i)
        compressBlock(abef, cdgh, blocks + 64 * i);
    const __m128i feba = _mm_shuffle_epi32(abef, 0x1b);
    const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xb1);
    _mm_storeu_si128(words, _mm_blend_epi16(feba, dchg, 0xf0));
    _mm_storeu_si128(words + 1, _mm_alignr_epi8(dchg, feba, 8));
}

}  // namespace kelvaro
