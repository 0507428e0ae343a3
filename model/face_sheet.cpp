// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/face_sheet.h"

#include <algorithm>

#include "model/part_preview.h"

namespace kelvaro {

std::vector<PortraitImage> facePictures(const PortraitDocument& document, PartPreview& preview,
                                        int edge, Backdrop backdrop, int count) {
    const int faces =
        std::min(static_cast<int>(document.expressions.expressions.size()) + 1, count);
    auto canvas = makeCanvasPixels();
    PortraitDocument shown = document;
    std::vector<PortraitImage> pictures;
    for (int face = 0; face < faces; ++face) {
        shown.expressions.edited = face;
        preview.show(shown);
        preview.compose(*canvas, backdrop);
        pictures.push_back(scaledPortrait(*canvas, edge, backdrop));
    }
    return pictures;
}

PortraitImage faceSheet(const PortraitDocument& document, PartPreview& preview,
                        const SheetLayout& layout, Backdrop backdrop) {
    const auto faces = facePictures(document, preview, layout.cell, backdrop, layout.cells());
    return composeSheet(layout, layout.cell, faces);
}

}  // namespace kelvaro
