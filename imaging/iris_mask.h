// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Iris masking: confines the iris image to the eye shape it is drawn over.
//
// The iris pixel (c, r) lies over the eye-shape pixel (c + dx, r + dy), where dx and dy are the
// iris position minus the eye-shape position (any int values; offsets of a whole image or more
// leave nothing covered). A pixel keeps its loaded iris alpha where that eye-shape pixel exists
// and has any non-zero alpha, and becomes transparent everywhere else.
//
// Invariants:
// - Only the alpha bytes of `irisImage` are written; its blue, green and red bytes stay as they
//   are, also where a pixel turns transparent.
// - Only the alphas of the two loaded images are read, never the current image's alpha: masking
//   twice equals masking once, and masking after a recolour gives the same alpha as before it.
#pragma once

#include "imaging/layer_bounds.h"
#include "imaging/pixels.h"

namespace kelvaro {

void maskIris(const PartPixels& irisLoaded, const PartPixels& eyeShapeLoaded, int dx, int dy,
              PartPixels& irisImage);

// maskIris for images whose alphas are 0 outside their boxes (each box inside the image): those
// of `irisLoaded` and `irisImage` outside `irisBox`, those of `eyeShapeLoaded` outside
// `eyeShapeBox`. Gives exactly maskIris's pixels, reading and writing iris pixels inside
// `irisBox` and eye-shape pixels inside `eyeShapeBox` alone, so that pages of a layer outside
// its box are never touched.
void maskIrisInBoxes(const PartPixels& irisLoaded, const PixelBox& irisBox,
                     const PartPixels& eyeShapeLoaded, const PixelBox& eyeShapeBox, int dx, int dy,
                     PartPixels& irisImage);

}  // namespace kelvaro
