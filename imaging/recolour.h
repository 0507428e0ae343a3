// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Recolouring: rebuilds a layer's image from its loaded pixels with the five colour settings.
//
// Ranges: red, green and blue multipliers 0..255; brightness and contrast -100..100.
// Every channel goes through three steps:
//   multiplier  c1 = (c * k) >> 8                              (integer; at most 254)
//   brightness  b > 0: c2 = trunc(c1 + (255 - c1) * (b / 100))
//               b <= 0: c2 = trunc(c1 - (-b / 100) * c1)
//   contrast    t != 0: x = s * c2 + d with s = tan((45 + 0.45 t) degrees), d = 128 - 128 s;
//               255 when x > 255, 0 when x < 0, trunc(x) otherwise
// The floating-point steps are double precision, each operation rounded in the order written in
// recolour.cpp; conversions to integers truncate toward zero.
//
// Invariants:
// - The result depends only on the loaded pixels and the settings: recolouring twice with the
//   same settings gives the same image, and changing a setting and back restores it exactly.
// - A pixel whose loaded alpha is 0 is copied unchanged, all four bytes.
// - Every other pixel keeps its loaded alpha (so a recolour undoes an iris mask).
#pragma once

#include <array>
#include <cstdint>

#include "imaging/colour_settings.h"
#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"

namespace kelvaro {

// The multiplier step of one channel value.
int multiplyChannel(int channel, int multiplier);

// The brightness step of one channel value that has passed the multiplier step.
int brightenChannel(int channel, int brightness);

// The slope of the contrast step, tan((t * 45 / 100 * pi + 45 pi) / 180), and its offset
// 128 - 128 * slope.
double contrastSlope(int contrast);
double contrastOffset(double slope);

// The contrast step of one channel value, clamped to 0..255; contrast 0 leaves it alone.
int stretchChannel(int channel, int contrast);

// All three steps for every channel value 0..255 with one multiplier and the shared brightness
// and contrast. Settings outside their ranges are first clamped into them.
using ChannelTable = std::array<std::uint8_t, 256>;
ChannelTable channelTable(int multiplier, int brightness, int contrast);

// Writes every pixel of `image` from the pixel at the same place in `loaded`.
void recolourPixels(const PartPixels& loaded, PartPixels& image, const ColourSettings& s);

// The same result with only the pixels inside `loadedBox` written. The box must hold every
// pixel of `loaded` whose alpha is not 0 (visibleBounds of `loaded`, or any larger box), and
// outside it `image` must already equal `loaded`: there the full recolour would copy the loaded
// pixel unchanged. That holds whenever `image` was made a copy of `loaded` and is kept by
// recolouring and by the iris mask, which leave a pixel of loaded alpha 0 with its loaded bytes.
void recolourPixels(const PartPixels& loaded, PartPixels& image, const ColourSettings& s,
                    const PixelBox& loadedBox);

}  // namespace kelvaro
