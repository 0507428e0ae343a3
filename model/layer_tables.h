// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The fixed tables that tie the 15 face elements to the 24 image layers: where each layer's parts
// live, its key in the settings file, the order layers are drawn in, and which layers each kind
// of command touches.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace kelvaro {

inline constexpr int kElementCount = 15;
inline constexpr int kLayerCount = 24;

// Elements, by their index in the element list.
enum Element : int {
    kFace = 0,
    kNeck = 1,
    kEyes = 2,
    kIris = 3,
    kNose = 4,
    kMouth = 5,
    kBrows = 6,
    kBeard = 7,
    kEars = 8,
    kFrontHair = 9,
    kBackHair = 10,
    kClothes = 11,
    kHeadwear = 12,
    kAccessory = 13,
    kBand = 14,
};

// Layers with a role of their own beyond being an element's primary layer.
inline constexpr int kIrisLayer = 3;
inline constexpr int kEyeShapeLayer = 15;

struct LayerInfo {
    int element;              // element the layer belongs to
    std::string_view folder;  // subfolder of picture/ holding the layer's part files
    std::string_view key;     // key of the layer's pattern value in the settings file
    int drawRank;             // 1 is drawn first (at the back), 24 last
};

constexpr bool isValidElement(int element) {
    return element >= 0 && element < kElementCount;
}

// Valid for layer 0..23.
const LayerInfo& layerInfo(int layer);

// The element list text of element 0..14 (UTF-8): the source text, which the editor shows
// translated in context "Element".
std::string_view elementListText(int element);

// Folder probed when counting the parts of element 0..14: its primary layer's folder.
std::string_view countedFolder(int element);

// The 24 layers back to front.
std::span<const int, kLayerCount> drawOrder();

// The groups of an element; an element outside 0..14 yields an empty group.
std::span<const int> loadGroup(int element);

// Whether `layer` belongs to the load group of `element` (false for an invalid element).
bool loadGroupHolds(int element, int layer);
std::span<const int> moveGroup(int element);
std::span<const int> rotationGroup(int element);
std::span<const int> recolourGroup(int element);

// Every layer, in the order the load groups of elements 0..14 list them.
std::span<const int, kLayerCount> fullLoadOrder();

// The elements Generate draws a new part for; it then reloads their load groups in this order.
std::span<const int> generatedElements();

}  // namespace kelvaro
