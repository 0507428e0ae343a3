// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/portrait_commands.h"

#include <algorithm>
#include <random>

#include "model/portrait_ops.h"

namespace kelvaro {
namespace {

void setGroupPosition(PortraitState& state, int x, int y) {
    for (int layer : moveGroup(state.currentElement)) {
        state.layer(layer).x = x;
        state.layer(layer).y = y;
    }
}

void setGroupAngle(PortraitState& state, int angle) {
    for (int layer : rotationGroup(state.currentElement))
        state.layer(layer).angle = angle;
}

void loadLayers(PortraitState& state, std::span<const int> layers, const MessageSink& report) {
    for (int layer : layers)
        loadLayerOfElement(state, layer, report);
}

// Positions are unlimited: a step past the end of int wraps around instead of overflowing.
int wrappingSum(int position, int step) {
    return static_cast<int>(static_cast<unsigned>(position) + static_cast<unsigned>(step));
}

int highestOf(const PortraitState& state, int element) {
    return state.highestPart[static_cast<std::size_t>(element)];
}

}  // namespace

int steppedPart(int part, int highest, int direction) {
    if (direction < 0)
        return part > 0 ? part - 1 : highest;
    return part < highest ? part + 1 : 0;
}

bool moveRemasksIris(int element) {
    return element == kIris || element == kFace || element == kEyes;
}

bool loadRemasksIris(int element) {
    return element == kEyes || element == kIris;
}

bool stepCurrentPart(PortraitState& state, int direction) {
    const int element = state.currentElement;
    if (!isValidElement(element))
        return false;
    return setCurrentPart(
        state, steppedPart(state.elementPart(element), highestOf(state, element), direction));
}

bool setCurrentPart(PortraitState& state, int partNumber) {
    if (!isValidElement(state.currentElement))
        return false;
    state.saved = false;
    state.layer(state.currentElement).partNumber = partNumber;
    return true;
}

void loadCurrentPart(PortraitState& state, const MessageSink& report, RecolourScope scope) {
    const int element = state.currentElement;
    loadLayers(state, loadGroup(element), report);
    if (loadRemasksIris(element))
        maskIris(state);
    recolourCurrentElement(state, scope);
}

void chooseDrawnParts(PortraitState& state, std::span<const int> elements, const PartDraw& draw) {
    state.saved = false;
    for (int element : elements)
        state.layer(element).partNumber = draw(highestOf(state, element));
}

void loadDrawnParts(PortraitState& state, std::span<const int> elements,
                    const MessageSink& report) {
    for (int element : elements)
        loadLayers(state, loadGroup(element), report);
    maskIris(state);
}

void chooseGeneratedParts(PortraitState& state, const PartDraw& draw) {
    chooseDrawnParts(state, generatedElements(), draw);
}

PartDraw seededPartDraw(unsigned seed) {
    auto generator = std::make_shared<std::mt19937>(seed);
    return [generator](int highest) {
        std::uniform_int_distribution<int> draw(0, std::max(highest, 0));
        return draw(*generator);
    };
}

void loadGeneratedParts(PortraitState& state, const MessageSink& report) {
    loadDrawnParts(state, generatedElements(), report);
}

void choosePatternParts(PortraitState& state) {
    state.saved = false;
    for (int layer = 0; layer < kLayerCount; ++layer)
        state.layer(layer).partNumber = state.pattern[static_cast<std::size_t>(layer)];
}

void loadAllParts(PortraitState& state, const MessageSink& report) {
    loadLayers(state, fullLoadOrder(), report);
    maskIris(state);
}

bool moveCurrentElement(PortraitState& state, int dx, int dy) {
    const int element = state.currentElement;
    if (!isValidElement(element))
        return false;
    state.saved = false;
    const LayerState& primary = state.layer(element);
    setGroupPosition(state, wrappingSum(primary.x, dx), wrappingSum(primary.y, dy));
    if (moveRemasksIris(element))
        maskIris(state);
    return true;
}

bool centreCurrentElement(PortraitState& state) {
    const int element = state.currentElement;
    if (!isValidElement(element))
        return false;
    state.saved = false;
    setGroupPosition(state, kDefaultLayerPosition, kDefaultLayerPosition);
    setGroupAngle(state, 0);
    if (moveRemasksIris(element))
        maskIris(state);
    return true;
}

bool rotateCurrentElement(PortraitState& state, int delta) {
    const int element = state.currentElement;
    if (!isValidElement(element))
        return false;
    setGroupAngle(state, wrapAngle(state.layer(element).angle + delta));
    return true;
}

}  // namespace kelvaro
