// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/colour_links.h"

#include <array>
#include <cstddef>

#include "imaging/main_tone.h"
#include "model/colour_conversion.h"
#include "model/portrait_ops.h"

namespace kelvaro {
namespace {

using enum PaletteKind;

// By element index.
constexpr std::array<PaletteKind, kElementCount> kElementKinds = {{
    Skin,     // face
    General,  // neck
    General,  // eyes
    Eyes,     // iris
    General,  // nose
    General,  // mouth
    Hair,     // brows
    Hair,     // beard
    General,  // ears
    Hair,     // front hair
    Hair,     // back hair
    General,  // clothes
    General,  // headwear
    General,  // accessory
    General,  // band
}};

unsigned elementBit(int element) {
    return 1u << static_cast<unsigned>(element);
}

}  // namespace

PaletteKind paletteKindOf(int element) {
    return isValidElement(element) ? kElementKinds[static_cast<std::size_t>(element)] : General;
}

bool isLinked(const PortraitValues& values, int element) {
    return isValidElement(element) && (values.linkedElements & elementBit(element)) != 0;
}

void setLinked(PortraitValues& values, int element, bool linked) {
    if (!isValidElement(element))
        return;
    if (linked)
        values.linkedElements |= elementBit(element);
    else
        values.linkedElements &= ~elementBit(element);
}

std::vector<int> colourGroup(const PortraitValues& values, int element) {
    if (!isValidElement(element))
        return {};
    if (!isLinked(values, element))
        return {element};
    std::vector<int> group;
    for (int e = 0; e < kElementCount; ++e) {
        if (isLinked(values, e) && paletteKindOf(e) == paletteKindOf(element))
            group.push_back(e);
    }
    return group;
}

Rgb elementTone(const PortraitState& state, int element) {
    const std::span<const int> layers = recolourGroup(element);
    return layers.empty() ? kToneOfNothing : state.layer(layers.front()).loadedTone();
}

Rgb shownColour(const PortraitState& state, int element) {
    if (!isValidElement(element))
        return kToneOfNothing;
    // Another element shows what its recolour group was last tinted with (for the mouth that is
    // the open mouth's settings, not those the face gave the mouth layer).
    const std::span<const int> layers = recolourGroup(element);
    const ColourSettings& settings =
        element == state.currentElement ? state.current : state.layer(layers.front()).stored;
    return tintedTone(elementTone(state, element), settings);
}

// The current-element recolour run with `element` current; what another element would have left
// in the controls and the scroll positions is put back afterwards.
void colourElement(PortraitState& state, int element, const ColourSettings& settings) {
    const int current = state.currentElement;
    const ColourSettings kept = state.current;
    const ColourSettings keptScroll = state.scroll;
    state.currentElement = element;
    state.current = settings;
    recolourCurrentElement(state);
    if (element == current)
        return;
    state.currentElement = current;
    state.current = kept;
    state.scroll = keptScroll;
}

void applyColour(PortraitState& state, int element, Rgb target) {
    for (int e : colourGroup(state, element))
        colourElement(state, e, settingsForColour(elementTone(state, e), target));
    state.saved = false;
}

void shareCurrentSettings(PortraitState& state) {
    const ColourSettings settings = state.current;
    for (int e : colourGroup(state, state.currentElement)) {
        if (e != state.currentElement)
            colourElement(state, e, settings);
    }
}

}  // namespace kelvaro
