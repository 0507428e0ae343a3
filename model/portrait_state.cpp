// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/portrait_state.h"

#include <sys/mman.h>

#include <algorithm>
#include <new>

#include "imaging/recolour.h"
#include "model/part_cache.h"

namespace kelvaro {
namespace {

// The transparent part every layer shows before its first load; never written. It lies in
// zero-initialised static storage, so that its pages cost nothing until something reads them,
// and is shared without an owner.
const std::shared_ptr<const PartPixels>& blankPart() {
    static PartPixels pixels{};
    static const std::shared_ptr<const PartPixels> blank(std::shared_ptr<void>(), &pixels);
    return blank;
}

// The smallest box holding both boxes; an empty box adds nothing.
PixelBox enclosing(const PixelBox& a, const PixelBox& b) {
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Copies the pixels of `from` inside `box` (which must lie inside the image) into `to`.
void copyColumns(const PartPixels& from, PartPixels& to, int y, int left, int right) {
    if (left >= right)
        return;
    const auto first = from.begin() + y * kPartSize + left;
    std::copy(first, first + (right - left), to.begin() + y * kPartSize + left);
}

// Copies the pixels of `box` but those of `hole`.
void copyAround(const PartPixels& from, PartPixels& to, const PixelBox& box, const PixelBox& hole) {
    for (int y = box.top; y < box.bottom; ++y) {
        if (hole.empty() || y < hole.top || y >= hole.bottom) {
            copyColumns(from, to, y, box.left, box.right);
            continue;
        }
        copyColumns(from, to, y, box.left, std::min(box.right, hole.left));
        copyColumns(from, to, y, std::max(box.left, hole.right), box.right);
    }
}

// The wall of a portrait that has not decoded one; never written, and never shown.
std::shared_ptr<const CanvasPixels> blankWall() {
    static CanvasPixels pixels{};
    return {std::shared_ptr<void>(), &pixels};
}

}  // namespace

void ZeroedPartFree::operator()(PartPixels* pixels) const {
    munmap(pixels, sizeof(PartPixels));
}

// A mapping of its own: calloc gives fresh pages only while the block is above malloc's mapping
// threshold, which grows past this size once any larger block was freed, and then clears a
// recycled heap block whole (every page of every buffer touched).
ZeroedPartPixels zeroedPartPixels() {
    void* pages = mmap(nullptr, sizeof(PartPixels), PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    return ZeroedPartPixels(static_cast<PartPixels*>(pages));
}

PixelBox LayerState::loadedDirty() const {
    if (loaded == blankPart())
        return {};
    return loaded == loadBuffer ? loadBufferDirty : kWholePart;
}

Rgb LayerState::loadedTone() const {
    return loadedDecode ? loadedDecode->tone() : kToneOfNothing;
}

PartPixels& LayerState::writableImage(const PixelBox& rewritten) {
    if (!showsOwnImage) {
        if (!ownImage) {
            ownImage = zeroedPartPixels();
            ownImageDirty = {};
        }
        // Outside both boxes both images are 0 already.
        const PixelBox source = loadedDirty();
        copyAround(*loaded, *ownImage, enclosing(source, ownImageDirty), rewritten);
        ownImageDirty = enclosing(source, intersection(loadedBox, kWholePart));
        showsOwnImage = true;
    }
    return *ownImage;
}

void LayerState::recolourLoaded(const ColourSettings& settings) {
    // Recolouring writes every pixel of the box, so none of them is copied first.
    const PixelBox box = intersection(loadedBox, kWholePart);
    recolourPixels(*loaded, writableImage(box), settings, box);
}

void LayerState::showPart(const DecodedPart& part) {
    if (!loadBuffer) {
        loadBuffer = zeroedPartPixels();
        loadBufferDirty = {};  // all 0
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
    wall = blankWall();
}

void PortraitState::release() {
    for (LayerState& l : layers) {
        l.hasImage = false;
        l.ownImage.reset();
        l.showsOwnImage = false;
        l.loaded.reset();
        l.loadBuffer.reset();
        l.loadedDecode.reset();
    }
    hasWall = false;
    wall.reset();
}

}  // namespace kelvaro
