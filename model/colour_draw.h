// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Colourful random faces: colours drawn from palettes and given to the elements they suit.
//
// One draw after another from the generator, always in this order and always all five, so that a
// seed names the same colours whichever elements take them:
//   1. a swatch of the skin palette for the face (which tints its whole recolour group);
//   2. a swatch of the hair palette for front hair, back hair, brows and beard;
//   3. a swatch of the eyes palette for the iris;
//   4. a swatch of the general palette for the clothes;
//   5. a swatch of the general palette for the headwear.
// Each element takes its colour from its own main tone (settingsForColour). A missing palette,
// or one without swatches, colours nothing but takes one number all the same.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/colour_links.h"
#include "model/palette.h"
#include "model/palette_library.h"
#include "model/seeded_draw.h"

namespace kelvaro {

// The palette each kind's colours are drawn from, by PaletteKind; null: that kind is left alone
// (its draws are still made).
using KindPalettes = std::array<const Palette*, kPaletteKindCount>;

// Each kind's palette in `set` (null where its file is missing or broken).
KindPalettes kindPalettes(const PaletteSet& set);

// The seed the colours of the portrait drawn with `seed` are drawn with: another stream than its
// parts', so that the faces stay those drawn without colours.
std::uint64_t colourSeed(std::uint64_t seed);

// Draws the five colours from `generator` and gives each to those of its elements that are in
// `elements`. Clears the saved flag.
void drawColours(PortraitState& state, const KindPalettes& palettes, SplitMix64& generator,
                 std::span<const int> elements);

}  // namespace kelvaro
