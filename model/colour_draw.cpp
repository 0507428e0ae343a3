// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/colour_draw.h"

#include <algorithm>
#include <cstddef>

#include "model/colour_conversion.h"

namespace kelvaro {
namespace {

// Mixed into the seed before one SplitMix64 step, so that the colour stream shares no number
// with the part stream of the same seed ("colours!" in ASCII).
constexpr std::uint64_t kColourStream = 0x636F6C6F75727321u;

constexpr int kSkinElements[] = {kFace};
constexpr int kHairElements[] = {kFrontHair, kBackHair, kBrows, kBeard};
constexpr int kEyesElements[] = {kIris};
constexpr int kClothesElements[] = {kClothes};
constexpr int kHeadwearElements[] = {kHeadwear};

// One of the five draws: the palette kind it draws from and the elements it colours.
struct ColourDraw {
    PaletteKind kind;
    std::span<const int> elements;
};

// In the order the draws are made.
constexpr std::array<ColourDraw, 5> kColourDraws = {{
    {PaletteKind::Skin, kSkinElements},
    {PaletteKind::Hair, kHairElements},
    {PaletteKind::Eyes, kEyesElements},
    {PaletteKind::General, kClothesElements},
    {PaletteKind::General, kHeadwearElements},
}};

// A swatch drawn from `palette`; none from a missing or empty palette, which still takes its
// number from the generator, so that the other kinds draw what they draw with it.
const Swatch* drawSwatch(const Palette* palette, SplitMix64& generator) {
    const std::size_t count = palette ? palette->swatches.size() : 0;
    if (count == 0) {
        generator.next();
        return nullptr;
    }
    return &palette->swatches[static_cast<std::size_t>(boundedDraw(generator, count))];
}

bool contains(std::span<const int> elements, int element) {
    return std::find(elements.begin(), elements.end(), element) != elements.end();
}

}  // namespace

KindPalettes kindPalettes(const PaletteSet& set) {
    KindPalettes kinds{};
    for (int kind = 0; kind < kPaletteKindCount; ++kind)
        kinds[static_cast<std::size_t>(kind)] = set.palette(static_cast<PaletteKind>(kind));
    return kinds;
}

std::uint64_t colourSeed(std::uint64_t seed) {
    SplitMix64 mixer(seed ^ kColourStream);
    return mixer.next();
}

void drawColours(PortraitState& state, const KindPalettes& palettes, SplitMix64& generator,
                 std::span<const int> elements) {
    for (const ColourDraw& draw : kColourDraws) {
        const Swatch* swatch = drawSwatch(palettes[static_cast<std::size_t>(draw.kind)], generator);
        if (!swatch)
            continue;
        for (int element : draw.elements) {
            if (contains(elements, element))
                colourElement(state, element,
                              settingsForColour(elementTone(state, element), swatch->colour));
        }
    }
    state.saved = false;
}

}  // namespace kelvaro
