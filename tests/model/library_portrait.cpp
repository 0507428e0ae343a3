// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/model/library_portrait.h"

#include <cmath>

#include "model/part_library.h"
#include "model/portrait_ops.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

Argb eyeShapePixel(int part, int x, int y) {
    const int radius = 40 + 25 * part;
    const int dx = x - 100 - 7 * part, dy = y - 95;
    if (dx * dx + dy * dy > radius * radius)
        return 0;
    return makeArgb(255, static_cast<std::uint32_t>(200 + part * 20),
                    static_cast<std::uint32_t>(x & 0xff), static_cast<std::uint32_t>(y & 0xff));
}

int partsOf(int layer) {
    return layerInfo(layer).element == kFace ? kLibraryFaceParts : kLibraryParts;
}

}  // namespace

Argb libraryPixel(int layer, int part, int x, int y) {
    if (layer == kEyeShapeLayer)
        return eyeShapePixel(part, x, y);
    const int left = (layer * 17 + part * 9) % 90, top = (layer * 29 + part * 13) % 120;
    const int right = kPartSize - (layer * 13 + part * 5) % 70;
    const int bottom = kPartSize - (layer * 7 + part * 11) % 60;
    const bool inside = x >= left && x < right && y >= top && y < bottom && (x + y) % 11 != 0;
    const auto alpha =
        static_cast<std::uint32_t>(inside ? 1 + (x * 3 + y * 5 + layer + part * 40) % 255 : 0);
    return makeArgb(alpha, static_cast<std::uint32_t>(x + layer + part * 60) & 0xffu,
                    static_cast<std::uint32_t>(y * 3 + part * 20) & 0xffu,
                    static_cast<std::uint32_t>(x ^ (y + part)) & 0xffu);
}

const std::filesystem::path& libraryBase() {
    static const TempFolder folder;
    static const std::filesystem::path base = [] {
        const std::filesystem::path path = folder.path();
        for (int layer = 0; layer < kLayerCount; ++layer) {
            for (int part = 0; part < partsOf(layer); ++part) {
                writeArgbPng(partPath(path, layerInfo(layer).folder, part), kPartSize, kPartSize,
                             [=](int x, int y) { return libraryPixel(layer, part, x, y); });
            }
        }
        writeSolidPart(dummyPath(path), 0x80ff00ffu);
        writeArgbPng(wallPath(path), 8, 8,
                     [](int x, int y) { return makeArgb(255, 30u + 10u * x, 60u + 5u * y, 90); });
        return path;
    }();
    return base;
}

std::unique_ptr<PortraitState> openedPortrait(const std::filesystem::path& base) {
    auto state = std::make_unique<PortraitState>();
    state->baseDirectory = base;
    countAllParts(*state);
    loadWall(*state, {});
    for (int layer : fullLoadOrder())
        loadLayerOfElement(*state, layer, {});
    recolourAllLayers(*state);
    maskIris(*state);
    return state;
}

std::unique_ptr<CanvasPixels> composed(const PortraitState& state) {
    auto canvas = makeCanvasPixels();
    composePortrait(state, *canvas);
    return canvas;
}

void tint(PortraitState& state, int element, ColourSettings settings) {
    state.currentElement = element;
    state.current = settings;
    recolourCurrentElement(state);
}

}  // namespace kelvaro::test
