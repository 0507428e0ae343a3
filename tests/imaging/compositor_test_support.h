// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Part images and canvas inspection shared by the compositor tests.
#pragma once

#include <functional>
#include <memory>

#include "imaging/compositor.h"

namespace kelvaro::test {

// A part image with every pixel given by `pixelAt(u, v)`.
inline std::unique_ptr<PartPixels> makePart(const std::function<Argb(int u, int v)>& pixelAt) {
    auto part = makePartPixels();
    for (int v = 0; v < kPartSize; ++v)
        for (int u = 0; u < kPartSize; ++u)
            (*part)[static_cast<std::size_t>(v * kPartSize + u)] = pixelAt(u, v);
    return part;
}

inline std::unique_ptr<CanvasPixels> compose(const CanvasPixels* wall,
                                             std::span<const CompositorLayer> layers,
                                             bool fastPaths = true) {
    auto out = makeCanvasPixels();
    composeCanvas(wall, layers, *out, CompositorOptions{fastPaths});
    return out;
}

inline Argb canvasAt(const CanvasPixels& canvas, int i, int j) {
    return canvas[static_cast<std::size_t>(j * kCanvasSize + i)];
}

}  // namespace kelvaro::test
