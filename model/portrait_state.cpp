// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/portrait_state.h"

#include "model/part_cache.h"

namespace kelvaro {
namespace {

// The transparent part every layer shows before its first load; never written.
const std::shared_ptr<const PartPixels>& blankPart() {
    static const std::shared_ptr<const PartPixels> blank = makePartPixels();
    return blank;
}

}  // namespace

PartPixels& LayerState::writableImage() {
    if (!showsOwnImage) {
        if (!ownImage)
            ownImage = std::make_unique_for_overwrite<PartPixels>();
        *ownImage = *loaded;
        showsOwnImage = true;
    }
    return *ownImage;
}

void LayerState::showPart(const DecodedPart& part) {
    if (!loadBuffer) {
        loadBuffer = std::make_shared_for_overwrite<PartPixels>();
        loadBufferDirty = kWholePart;  // nothing known of a new buffer's contents
    }
    part.expandInto(*loadBuffer, loadBufferDirty);
    loadBufferDirty = part.stored;
    loaded = loadBuffer;
    loadedBox = part.box;
    showLoaded();
}

PortraitState::PortraitState(const Pattern& initialPattern) : pattern(initialPattern) {
    for (int i = 0; i < kLayerCount; ++i) {
        LayerState& l = layer(i);
        l.partNumber = pattern[static_cast<std::size_t>(i)];
        l.loaded = blankPart();
    }
    wall = makeCanvasPixels();
}

void PortraitState::release() {
    for (LayerState& l : layers) {
        l.hasImage = false;
        l.ownImage.reset();
        l.showsOwnImage = false;
        l.loaded.reset();
        l.loadBuffer.reset();
    }
    hasWall = false;
    wall.reset();
}

}  // namespace kelvaro
