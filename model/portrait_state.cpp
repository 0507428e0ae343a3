// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/portrait_state.h"

namespace kelvaro {

PartPixels& LayerState::writableImage() {
    if (!showsOwnImage) {
        *ownImage = *loaded;
        showsOwnImage = true;
    }
    return *ownImage;
}

PortraitState::PortraitState(const Pattern& initialPattern) : pattern(initialPattern) {
    for (int i = 0; i < kLayerCount; ++i) {
        LayerState& l = layer(i);
        l.partNumber = pattern[static_cast<std::size_t>(i)];
        l.ownImage = makePartPixels();
        l.loaded = makePartPixels();
    }
    wall = makeCanvasPixels();
}

void PortraitState::release() {
    for (LayerState& l : layers) {
        l.hasImage = false;
        l.ownImage.reset();
        l.showsOwnImage = false;
        l.loaded.reset();
    }
    hasWall = false;
    wall.reset();
}

}  // namespace kelvaro
