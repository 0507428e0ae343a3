// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which cubic samples of a layer are exactly opaque for certain: those whose 16 taps are all
// opaque pixels, worked out once per layer for every whole-pixel sample position in its box.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/layer_bounds.h"

namespace kelvaro {

class OpaqueTaps {
public:
    // Starts on a layer; its taps are looked at when first asked about. `box` must hold every
    // pixel of `image` that any sample reads and whose alpha is not 0.
    void reset(const PartPixels& image, const PixelBox& box) {
        m_image = &image;
        m_box = box;
        m_built = false;
    }

    // No sample position of the box has all its taps opaque.
    bool none() { return opaque().empty(); }

    // The smallest box holding every sample position (column, row) whose taps all are opaque;
    // empty when there is none.
    const PixelBox& opaque() {
        build();
        return m_opaque;
    }

    // The sample whose top left tap is at (column - 1, row - 1) reads only opaque pixels.
    bool at(int column, int row) {
        const PixelBox& box = opaque();
        if (column < box.left || row < box.top || column >= box.right || row >= box.bottom)
            return false;
        return inside(column, row) != 0;
    }

    // 1 when the sample at (column, row) reads only opaque pixels, else 0; (column, row) must
    // lie in opaque().
    std::uint8_t inside(int column, int row) const {
        return m_marks[static_cast<std::size_t>((row - m_box.top) * m_box.width() + column -
                                                m_box.left)];
    }

private:
    void build() {
        if (!m_built)
            markTaps();
        m_built = true;
    }
    void markTaps();

    const PartPixels* m_image = nullptr;
    bool m_built = false;
    PixelBox m_box;
    std::vector<std::uint8_t> m_marks;  // per box pixel, 1 when the sample there is opaque
    std::vector<std::uint8_t> m_rows;   // scratch: per box pixel, 1 when its row of taps is
    PixelBox m_opaque;                  // bounds of the marked positions, in image pixels
};

}  // namespace kelvaro
