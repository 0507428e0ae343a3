// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The image operations the editor's commands share, applied to the portrait state: recolouring
// a layer or the current element, masking the iris, and composing the canvas.
#pragma once

#include <array>

#include "imaging/compositor.h"
#include "imaging/pixels.h"
#include "model/portrait_state.h"

namespace kelvaro {

// Rebuilds the layer's image from its loaded pixels with the current colour settings, and
// records those settings as the layer's stored settings and as the scroll positions. A layer
// without an image stays as it is; the settings are recorded all the same.
void recolourLayer(PortraitState& state, int layer);

// Recolours every layer 0..23 in index order (what the window does when it opens).
void recolourAllLayers(PortraitState& state);

// Which layers of the current element's recolour group a recolour writes.
enum class RecolourScope {
    WholeGroup,    // every layer of the group
    LoadedLayers,  // those its load group holds; the others must already hold the pixels and
                   // settings the current settings give them (a step since the last recolour)
};

// Recolours the current element's recolour group (within `scope`); for the iris the mask follows.
void recolourCurrentElement(PortraitState& state, RecolourScope scope = RecolourScope::WholeGroup);

// The offset the iris mask takes for an iris and an eye shape at these places: iris position
// minus eye-shape position, each limited to a part's size.
IrisMaskOffset irisMaskOffset(const LayerRecord& iris, const LayerRecord& eyeShape);

// Confines the iris to the eye shape's loaded pixels at their current offset. Nothing happens
// while the iris has no image; an eye shape whose last load failed masks with the pixels it
// loaded before (transparent when it never loaded).
void maskIris(PortraitState& state);

// Confines the iris to the eye shape's loaded pixels at `offset`, and records it. Nothing
// happens while the iris has no image.
void maskIrisAt(PortraitState& state, IrisMaskOffset offset);

// The 24 layers in draw order as the compositor takes them; layers without an image are absent.
std::array<CompositorLayer, kLayerCount> compositorLayers(const PortraitState& state);

// Composes the wall and the 24 layers in draw order onto `out` over opaque black, so that every
// pixel is opaque and the canvas shows what the export writes, also where the wall is missing
// or translucent.
void composePortrait(const PortraitState& state, CanvasPixels& out);

// Composes the 24 layers alone in draw order onto a transparent `out`: no wall, no opaque base,
// the layers' alpha kept (premultiplied).
void composeLayers(const PortraitState& state, CanvasPixels& out);

}  // namespace kelvaro
