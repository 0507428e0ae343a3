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
    bool none() {
        build();
        return m_none;
    }

    // The sample whose top left tap is at (column - 1, row - 1) reads only opaque pixels.
    bool at(int column, int row) {
        build();
        const int x = column - m_box.left;
        const int y = row - m_box.top;
        if (x < 0 || y < 0 || x >= m_box.width() || y >= m_box.height())
            return false;
        return m_marks[static_cast<std::size_t>(y * m_box.width() + x)] != 0;
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
    bool m_none = true;
};

}  // namespace kelvaro
