// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Everything the editor knows about the portrait being built.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "imaging/colour_settings.h"
#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"
#include "model/layer_tables.h"
#include "model/pattern.h"

namespace kelvaro {

class PartCache;

inline constexpr int kDefaultLayerPosition = -19;  // centres a 230x230 part on the canvas

struct LayerState {
    int partNumber = 0;
    ColourSettings stored;  // the settings this layer was last recoloured with
    int x = kDefaultLayerPosition;
    int y = kDefaultLayerPosition;
    int angle = 0;  // whole degrees, clockwise on screen
    // The pixels as loaded: the decoded part as the part cache keeps it, shared and never written
    // (a blank part until the first load).
    std::shared_ptr<const PartPixels> loaded;
    // The layer's own pixels, allocated once with the portrait: what recolouring and the iris mask
    // write. Until one of them does after a load, the layer shows its loaded pixels themselves,
    // so that a part shown in its file's colours costs no copy.
    std::unique_ptr<PartPixels> ownImage;
    bool showsOwnImage = false;
    // Whether the displayed image holds a usable part.
    bool hasImage = false;

    // The displayed image; null for a released portrait.
    const PartPixels* image() const { return showsOwnImage ? ownImage.get() : loaded.get(); }
    // The layer's own pixels, made the displayed image (a copy of the loaded pixels when those were
    // shown), for recolouring or masking them.
    PartPixels& writableImage();
    // Shows the loaded pixels again, as a load does.
    void showLoaded() { showsOwnImage = false; }
    // Holds every pixel of `loaded` with alpha (worked out by each load, the only time the loaded
    // pixels change). Recolouring keeps the loaded alphas and the iris mask only lowers them, so
    // the displayed image shows nothing outside it either, and outside it `image` equals
    // `loaded`. The whole image until a load says otherwise.
    PixelBox loadedBox = kWholePart;
    // What `image` shows: the loaded pixels recoloured with `stored` (true) or the colours of the
    // file as loaded (false: after a load, until the next recolour).
    bool recoloured = false;
    // The part number the loaded pixels were last requested for; -1 before the first load.
    int loadedPart = -1;
};

// The offset (iris position minus eye-shape position, limited to a part's size) the iris image
// was last confined to the eye shape at.
struct IrisMaskOffset {
    int dx = 0;
    int dy = 0;
    friend bool operator==(const IrisMaskOffset&, const IrisMaskOffset&) = default;
};

struct PortraitState {
    // Every default, the part numbers taken from the pattern, and the 24 pairs of buffers.
    explicit PortraitState(const Pattern& pattern = {});

    std::array<LayerState, kLayerCount> layers;
    std::array<int, kElementCount> highestPart{};  // -1: the element has no part at all
    Pattern pattern{};
    int currentElement = 0;
    int sizeChoice = 0;      // 0, 1, 2: export at 48, 96, 192 pixels
    ColourSettings current;  // as shown in the five edits; what recolouring applies
    // The window's view state: the positions of the five scroll bars, which can differ from the
    // current settings (an edit's value beyond its bar's range, or a bar at its end). Documents
    // keep them so that a portrait reopens with its bars where they were.
    ColourSettings scroll;
    bool saved = false;
    std::filesystem::path baseDirectory;
    bool hasWall = false;
    std::unique_ptr<CanvasPixels> wall;  // stretched to the canvas, premultiplied
    // Set while the iris image is confined to the eye shape; cleared when the iris image is
    // rebuilt from its loaded pixels (a load or a recolour) until the next mask.
    std::optional<IrisMaskOffset> irisMask;
    // Where part loads take decoded images from; null: every load decodes its file.
    PartCache* partCache = nullptr;

    LayerState& layer(int index) { return layers.at(static_cast<std::size_t>(index)); }
    const LayerState& layer(int index) const { return layers.at(static_cast<std::size_t>(index)); }

    // The part number every layer of `element` loads with.
    int elementPart(int element) const { return layer(element).partNumber; }

    // Frees every buffer; the portrait then has no images and no wall.
    void release();
    bool released() const { return !wall; }
};

}  // namespace kelvaro
