// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The values of one image layer that a portrait document keeps: which part it shows, where, turned
// how far, and in which colours. The editor's layer state is built on it, so that documents copy
// it as a whole.
#pragma once

#include "imaging/colour_settings.h"

namespace kelvaro {

inline constexpr int kDefaultLayerPosition = -19;  // centres a 230x230 part on the canvas

// Modulo 360 rounding towards minus infinity: -5 becomes 355, 360 becomes 0.
constexpr int wrapAngle(int angle) {
    return ((angle % 360) + 360) % 360;
}

struct LayerRecord {
    int partNumber = 0;  // the layer's own value (secondary layers load their element's part)
    int x = kDefaultLayerPosition;
    int y = kDefaultLayerPosition;
    int angle = 0;          // whole degrees, clockwise on screen
    ColourSettings stored;  // the settings this layer was last recoloured with
    // The image shows the loaded part recoloured with `stored` (true) or in the colours of the
    // file as loaded (false: after a load, until the next recolour).
    bool recoloured = false;

    friend bool operator==(const LayerRecord&, const LayerRecord&) = default;
};

}  // namespace kelvaro
