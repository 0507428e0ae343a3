// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Composition of the canvas: the wall, then the layers back to front, each moved and turned
// about the pivot, blended source-over into a 192x192 premultiplied ARGB buffer.
//
// Geometry: canvas pixel (i, j) covers [i, i+1) x [j, j+1). A layer at (x, y) turned by `angle`
// whole degrees (clockwise on screen, any int) shows its point q at canvas point
// R(angle) (q + (x, y) - (95, 95)) + (95, 95); layer pixel (u, v) has its centre at
// (u + 0.5, v + 0.5). Every canvas pixel centre is mapped back into the layer and sampled with
// the interpolating cubic of cubic_weights.h over premultiplied pixels, transparent outside the
// image, clamped to a valid premultiplied pixel. At multiples of 90 degrees this is an exact copy.
//
// Invariants: the result depends only on the arguments (nothing is kept between calls); no
// input is changed; the fast paths give exactly the pixels of the general path.
#pragma once

#include <optional>
#include <span>

#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"

namespace kelvaro {

struct CompositorLayer {
    CompositorLayer() = default;
    CompositorLayer(const PartPixels* image_, int x_, int y_, int angle_,
                    std::optional<PixelBox> visible_ = std::nullopt)
        : image(image_), x(x_), y(y_), angle(angle_), visible(visible_) {}

    const PartPixels* image = nullptr;  // straight alpha; nullptr: the layer is absent, skipped
    int x = 0;                          // canvas position of the image's top left corner
    int y = 0;
    int angle = 0;  // whole degrees, clockwise on screen, about canvas point (95, 95)
    // The image's visible box when the caller already knows it (worked out once when the pixels
    // last changed): it must hold every pixel of `image` whose alpha is not 0, and may be larger
    // (up to the whole image). An empty box says the image has nothing to show. Without it the
    // image is scanned for its visible box on every call.
    std::optional<PixelBox> visible;
};

struct CompositorOptions {
    // Off: every layer goes through the portable cubic kernel and no layer is skipped for being
    // covered by the layers above it. Meant for tests proving that both give the same pixels;
    // disableKernelFeatures("fastpaths") (kernel_choice.h) turns them off for every call.
    bool fastPaths = true;
    // On: the wall (or, without one, nothing) lies on opaque black, so every pixel of the result
    // is opaque; its colour bytes are exactly those composed without the base.
    bool opaqueBase = false;
};

// Composes into `out`: the wall (already stretched to 192x192 and premultiplied; nullptr starts
// from transparent 0, or opaque black with options.opaqueBase), then `layersBackToFront`, the
// first lowest.
void composeCanvas(const CanvasPixels* wall, std::span<const CompositorLayer> layersBackToFront,
                   CanvasPixels& out, const CompositorOptions& options = {});

// Composes `layersBackToFront` over `below` (premultiplied, taken as it is: options.opaqueBase
// is not applied to it) into `out`. Composition is a sequence of blends back to front, so with
// `below` composed by composeCanvas from the wall and the layers under these, the result is
// exactly composeCanvas over all of them: cells differing only in the upper layers can share
// the canvas below them.
void composeCanvasOver(const CanvasPixels& below,
                       std::span<const CompositorLayer> layersBackToFront, CanvasPixels& out,
                       const CompositorOptions& options = {});

}  // namespace kelvaro
