// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Per-pixel arithmetic of composition: premultiplying straight-alpha pixels and blending a
// premultiplied pixel over another (source-over).
//
// Both round x / 255 to the nearest integer exactly for every product of two bytes, so an opaque
// source replaces what lies beneath and a transparent source leaves it untouched.
#pragma once

#include "imaging/pixels.h"

namespace kelvaro {

// x / 255 rounded to nearest; exact for 0 <= x <= 255 * 255.
constexpr std::uint32_t divideBy255(std::uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

// Each 16-bit half of `pairs` (two channels, each at most 255 * 255 + 128) divided by 255,
// rounded like divideBy255.
constexpr std::uint32_t divideBy255Pairs(std::uint32_t pairs) {
    pairs += 0x00800080u;
    return ((pairs + ((pairs >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
}

// A straight-alpha pixel as premultiplied alpha; alpha 0 gives 0 whatever the colour.
constexpr Argb premultiply(Argb p) {
    const std::uint32_t a = alphaOf(p);
    if (a == 255)
        return p;
    if (a == 0)
        return 0;
    const std::uint32_t redBlue = divideBy255Pairs((p & 0x00ff00ffu) * a);
    const std::uint32_t green = divideBy255Pairs(greenOf(p) * a);
    return (a << 24) | redBlue | (green << 8);
}

// Premultiplied `src` over premultiplied `dst`: src + dst * (255 - srcAlpha) / 255 per channel.
// Two channels are scaled at once in 16-bit halves; the rounding equals divideBy255 per channel.
constexpr Argb blendOver(Argb src, Argb dst) {
    const std::uint32_t keep = 255 - alphaOf(src);
    if (keep == 0)
        return src;
    if (keep == 255)
        return dst;
    const std::uint32_t redBlue = divideBy255Pairs((dst & 0x00ff00ffu) * keep);
    const std::uint32_t alphaGreen = divideBy255Pairs(((dst >> 8) & 0x00ff00ffu) * keep);
    return src + redBlue + (alphaGreen << 8);
}

}  // namespace kelvaro
