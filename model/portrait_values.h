// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait-wide values a portrait document keeps besides its layers. The editor's portrait
// state is built on them, so that documents copy them as a whole.
#pragma once

#include <optional>

#include "imaging/colour_settings.h"

namespace kelvaro {

inline constexpr int kSizeChoiceCount = 3;  // export sizes 48, 96, 192

// The offset (iris position minus eye-shape position, limited to a part's size) the iris image
// was last confined to the eye shape at.
struct IrisMaskOffset {
    int dx = 0;
    int dy = 0;
    friend bool operator==(const IrisMaskOffset&, const IrisMaskOffset&) = default;
};

struct PortraitValues {
    int currentElement = 0;
    ColourSettings current;  // as shown in the five edits; what recolouring applies
    // The window's view state: the positions of the five scroll bars, which can differ from the
    // current settings (an edit's value beyond its bar's range, or a bar at its end). Documents
    // keep them so that a portrait reopens with its bars where they were.
    ColourSettings scroll;
    int sizeChoice = 0;  // 0..kSizeChoiceCount-1: export at 48, 96, 192 pixels
    // Set while the iris image is confined to the eye shape; cleared when the iris image is
    // rebuilt from its loaded pixels (a load or a recolour) until the next mask. None: the iris
    // shows its loaded alpha.
    std::optional<IrisMaskOffset> irisMask;
    // Bit e set: element e shares its colour with the other linked elements of its palette kind
    // (see colour_links.h). Zero in a new portrait and in documents written before links.
    unsigned linkedElements = 0;

    friend bool operator==(const PortraitValues&, const PortraitValues&) = default;
};

}  // namespace kelvaro
