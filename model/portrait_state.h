// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Everything the editor knows about the portrait being built.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "imaging/layer_bounds.h"
#include "imaging/main_tone.h"
#include "imaging/pixels.h"
#include "model/expression_set.h"
#include "model/layer_record.h"
#include "model/layer_tables.h"
#include "model/pattern.h"
#include "model/portrait_values.h"

namespace kelvaro {

class PartCache;
struct DecodedPart;

// Frees a part buffer zeroedPartPixels() allocated.
struct ZeroedPartFree {
    void operator()(PartPixels* pixels) const;
};
using ZeroedPartPixels = std::unique_ptr<PartPixels, ZeroedPartFree>;

// A part buffer of zeros, allocated as fresh memory from the system where it can be: its pages
// are only mapped when first written, so a part whose box covers a small share of the image
// costs the pages of its box alone. Throws std::bad_alloc when memory runs out.
ZeroedPartPixels zeroedPartPixels();

// A layer's document values and the pixels it shows.
struct LayerState : LayerRecord {
    // The pixels as loaded: the layer's load buffer after a load, the one blank part every layer
    // shares before its first load. Written only by loads.
    std::shared_ptr<const PartPixels> loaded;
    // What loads expand the decoded part into, allocated by the first load (the part cache keeps
    // parts as their box alone), and the box outside which it is 0.
    std::shared_ptr<PartPixels> loadBuffer;
    PixelBox loadBufferDirty = kWholePart;
    // The layer's own pixels, allocated when recolouring or the iris mask first writes them (null
    // until then). Until one of them writes after a load, the layer shows its loaded pixels
    // themselves, so that a part shown in its file's colours costs no copy. Outside
    // ownImageDirty it is 0.
    ZeroedPartPixels ownImage;
    PixelBox ownImageDirty{};
    bool showsOwnImage = false;
    // Whether the displayed image holds a usable part.
    bool hasImage = false;

    // The displayed image; null for a released portrait.
    const PartPixels* image() const { return showsOwnImage ? ownImage.get() : loaded.get(); }
    // The layer's own pixels, made the displayed image (a copy of the loaded pixels when those were
    // shown, allocated on first use), for recolouring or masking them: writers keep the pixels
    // outside loadedBox as they are, except that they may lower alphas. Not for a released
    // portrait.
    // With `rewritten`: for a writer that then writes every pixel inside that box itself, which
    // are therefore not copied first.
    PartPixels& writableImage(const PixelBox& rewritten = {});
    // Shows the loaded pixels recoloured with `settings` (recolourPixels). Not for a released
    // portrait.
    void recolourLoaded(const ColourSettings& settings);
    // Shows the loaded pixels again, as a load does.
    void showLoaded() { showsOwnImage = false; }
    // Makes `part` the loaded pixels and their box, and shows them: expanded into the load buffer,
    // clearing only what the previous part left outside the new part's box.
    void showPart(const DecodedPart& part);
    // Holds every pixel of `loaded` with alpha (worked out by each load, the only time the loaded
    // pixels change). Recolouring keeps the loaded alphas and the iris mask only lowers them, so
    // the displayed image shows nothing outside it either, and outside it `image` equals
    // `loaded`. The whole image until a load says otherwise.
    PixelBox loadedBox = kWholePart;
    // Where the loaded pixels may be other than 0: the load buffer's dirty box, nothing for the
    // blank part, the whole image for pixels from anywhere else.
    PixelBox loadedDirty() const;
    // The part the last load decoded; null for the blank part and after a load that failed.
    std::shared_ptr<const DecodedPart> loadedDecode;
    // Its main tone (DecodedPart::tone, worked out once per decoded part); kToneOfNothing for the
    // blank part and after a load that failed.
    Rgb loadedTone() const;
    // The part number the loaded pixels were last requested for; -1 before the first load.
    int loadedPart = -1;
};

// The portrait-wide values (those of a document among them) and the layers.
struct PortraitState : PortraitValues {
    // Every default and the part numbers taken from the pattern; the wall is a shared blank one
    // until loadWall decodes one, and every layer shows the shared blank part and allocates its
    // own pixels only when they are first written.
    explicit PortraitState(const Pattern& pattern = {});

    std::array<LayerState, kLayerCount> layers;
    std::array<int, kElementCount> highestPart{};  // -1: the element has no part at all
    Pattern pattern{};
    bool saved = false;
    std::filesystem::path baseDirectory;
    bool hasWall = false;
    // Stretched to the canvas, premultiplied; never written, so portraits may share one (a
    // new wall replaces it). Shown only while hasWall is set.
    std::shared_ptr<const CanvasPixels> wall;
    // Where part loads take decoded images from; null: every load decodes its file.
    PartCache* partCache = nullptr;
    // The portrait's expressions and the face shown. While an expression is shown (an edited
    // expression exists), `layers` and `irisMask` are what it shows and the base's own records
    // and iris mask are kept here; otherwise these two are not used.
    ExpressionSet expressions;
    std::array<LayerRecord, kLayerCount> baseLayers{};
    std::optional<IrisMaskOffset> baseIrisMask;

    LayerState& layer(int index) { return layers.at(static_cast<std::size_t>(index)); }
    const LayerState& layer(int index) const { return layers.at(static_cast<std::size_t>(index)); }

    // The part number every layer of `element` loads with.
    int elementPart(int element) const { return layer(element).partNumber; }

    // Frees every buffer; the portrait then has no images and no wall, and loads do nothing.
    void release();
    bool released() const { return !wall; }
};

}  // namespace kelvaro
