// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The main tone of a part: the colour a user would name it by, in the file's own colours.
//
// Per channel, the median (the lower one of an even count) of the pixels that are fully opaque
// (alpha 255); where there are none, of those with alpha >= 128; where there are none either,
// of those with any alpha. A part with no visible pixel at all is taken as white, so that the
// settings for a colour then hold the colour itself.
#pragma once

#include <span>

#include "imaging/colour_settings.h"
#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"
#include "imaging/rgb.h"

namespace kelvaro {

inline constexpr Rgb kToneOfNothing{255, 255, 255};

// The main tone of the pixels of `part` inside `box` (a box holding every pixel with alpha).
Rgb mainTone(const PartPixels& part, const PixelBox& box = kWholePart);

// The same for an image of which only the pixels of `area` are at hand: `pixels` holds them row
// after row, area.width() pixels a row (area.width() * area.height() pixels in all), and `box`
// (holding every pixel with alpha) must lie inside `area`. Gives what mainTone of the whole image
// gives for `box`.
Rgb mainTone(std::span<const Argb> pixels, const PixelBox& area, const PixelBox& box);

// What the recolour makes of one pixel of colour `tone` with `settings`.
Rgb tintedTone(Rgb tone, const ColourSettings& settings);

}  // namespace kelvaro
