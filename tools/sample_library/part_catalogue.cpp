// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which parts exist and which drawer paints each layer.
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro::samples {
namespace {

struct ElementParts {
    int count;
    bool emptyDefault;
};

constexpr std::array<ElementParts, kElementCount> kElements = {{
    {4, false},   // face
    {3, false},   // neck
    {11, false},  // eyes: 6 plain, then wide, angry, sad, closed in a smile, closed calmly
    {6, false},   // iris
    {4, false},   // nose
    {12, false},  // mouth: 6 plain, then broad smile, laugh, frown, small o, shout, wavy
    {8, false},   // brows: 5 plain, then angry, sad, raised
    {3, true},    // beard
    {3, false},   // ears
    {8, false},   // front hair
    {6, false},   // back hair
    {6, false},   // clothes
    {4, true},    // headwear
    {3, true},    // accessory
    {7, true},    // band: plaster, blush lines, then blush, tears, sweat, anger mark
}};

constexpr std::array<PartDrawer, kLayerCount> kDrawers = {
    drawFace,          drawNeck,      drawEyes,          drawIris,       drawNose,
    drawMouth,         drawBrows,     drawBeard,         drawEars,       drawFringe,
    drawBackHairLocks, drawCollar,    drawHatFront,      drawAccessory,  drawBand,
    drawEyeShape,      drawOpenMouth, drawFrontHairBack, drawHairShadow, drawBackHairMass,
    drawBackHairOver,  drawBody,      drawHatBack,       drawHatMiddle,
};

bool validElement(int element) {
    return element >= 0 && element < kElementCount;
}

}  // namespace

int partCount(int element) {
    return validElement(element) ? kElements[element].count : 0;
}

bool hasEmptyDefault(int element) {
    return validElement(element) && kElements[element].emptyDefault;
}

QImage drawPart(int layer, int number) {
    PartCanvas canvas;
    if (layer < 0 || layer >= kLayerCount)
        return canvas.finish();
    const int element = layerInfo(layer).element;
    const int variant = hasEmptyDefault(element) ? number - 1 : number;
    if (variant >= 0 && number < partCount(element))
        kDrawers[layer](canvas.painter(), variant);
    return canvas.finish();
}

}  // namespace kelvaro::samples
