// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/seeded_draw.h"

#include <algorithm>
#include <memory>

namespace kelvaro {

std::uint64_t SplitMix64::next() {
    m_state += 0x9E3779B97F4A7C15u;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::uint64_t boundedDraw(SplitMix64& generator, std::uint64_t count) {
    if (count == 0)
        return 0;
    __extension__ typedef unsigned __int128 Wide;  // the 128-bit product of two 64-bit numbers
    Wide product = static_cast<Wide>(generator.next()) * count;
    auto low = static_cast<std::uint64_t>(product);
    if (low < count) {
        const std::uint64_t threshold = (0 - count) % count;
        while (low < threshold) {
            product = static_cast<Wide>(generator.next()) * count;
            low = static_cast<std::uint64_t>(product);
        }
    }
    return static_cast<std::uint64_t>(product >> 64);
}

PartDraw splitMixPartDraw(std::uint64_t seed) {
    auto generator = std::make_shared<SplitMix64>(seed);
    return [generator](int highest) {
        const auto count = static_cast<std::uint64_t>(std::max(highest, 0)) + 1;
        return static_cast<int>(boundedDraw(*generator, count));
    };
}

}  // namespace kelvaro
