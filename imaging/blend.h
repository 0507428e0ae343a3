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

// A straight-alpha pixel as premultiplied alpha; alpha 0 gives 0 whatever the colour.
constexpr Argb premultiply(Argb p) {
    const std::uint32_t a = alphaOf(p);
    if (a == 255)
        return p;
    if (a == 0)
        return 0;
    return makeArgb(a, divideBy255(redOf(p) * a), divideBy255(greenOf(p) * a),
                    divideBy255(blueOf(p) * a));
}

// Premultiplied `src` over premultiplied `dst`: src + dst * (255 - srcAlpha) / 255 per channel.
// Two channels are scaled at once in 16-bit halves; the rounding equals divideBy255 per channel.
constexpr Argb blendOver(Argb src, Argb dst) {
    const std::uint32_t keep = 255 - alphaOf(src);
    if (keep == 0)
        return src;
    if (keep == 255)
        return dst;
    std::uint32_t rb = (dst & 0x00ff00ffu) * keep + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
    std::uint32_t ag = ((dst >> 8) & 0x00ff00ffu) * keep + 0x00800080u;
    ag = (ag + ((ag >> 8) & 0x00ff00ffu)) & 0xff00ff00u;
    return src + rb + ag;
}

}  // namespace kelvaro
