// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The frames the compositor benchmark composes: the sample library's default parts, and
// synthetic layers that cover their whole 230x230 image.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "imaging/compositor.h"

namespace kelvaro::bench {

struct Frame {
    std::string name;
    std::unique_ptr<CanvasPixels> wall;               // opaque, premultiplied
    std::vector<std::unique_ptr<PartPixels>> loaded;  // per layer in draw order, as loaded
    std::vector<std::unique_ptr<PartPixels>> images;  // per layer in draw order, drawn
    std::vector<PixelBox> loadedBoxes;                // visible box of each loaded image
    std::vector<int> layerOfSlot;                     // layer index of each draw-order slot
    std::vector<CompositorLayer> layers;              // draw order, default placement, boxes
                                                      // supplied as the editor supplies them
};

// Sets every layer's angle: 0 for all, or a different angle per layer (none a quarter turn).
void setAngles(Frame& frame, bool turned);

// Part 000 of every layer of a sample library written into a temporary folder; nullptr when the
// library cannot be written or read.
std::unique_ptr<Frame> sampleFrame();

// Layers whose every pixel is drawn: opaque, or all with alpha 200.
std::unique_ptr<Frame> syntheticFrame(bool opaque);

}  // namespace kelvaro::bench
