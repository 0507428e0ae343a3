// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/layer_tables.h"

#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace kelvaro {
namespace {

constexpr std::array<LayerInfo, kLayerCount> kLayers = {{
    {kFace, "face", "face", 7},          {kNeck, "neck", "neck", 4},
    {kEyes, "eye", "eye", 12},           {kIris, "iris", "iris", 11},
    {kNose, "nose", "nose", 14},         {kMouth, "mouth", "mouth", 16},
    {kBrows, "brow", "brow", 13},        {kBeard, "beard", "beard", 17},
    {kEars, "ear", "ear", 20},           {kFrontHair, "fhair1", "fhair", 23},
    {kBackHair, "bhair1", "bhair", 9},   {kClothes, "cloth1", "cloth", 22},
    {kHeadwear, "hat1", "hat", 24},      {kAccessory, "acc", "acc", 21},
    {kBand, "band", "band", 18},         {kEyes, "eyesh", "eye2", 10},
    {kMouth, "mouthop", "mouth2", 15},   {kFrontHair, "fhair2", "fhair2", 3},
    {kFrontHair, "shadow", "shadow", 8}, {kBackHair, "bhair2", "bhair2", 2},
    {kBackHair, "bhair3", "bhair3", 6},  {kClothes, "cloth2", "cloth2", 5},
    {kHeadwear, "hat2", "hat2", 1},      {kHeadwear, "hat3", "hat3", 19},
}};

// The list texts in the source language; the editor shows them translated (context "Element").
constexpr std::array<std::string_view, kElementCount> kListTexts = {
    QT_TRANSLATE_NOOP("Element", "Twarz"),    QT_TRANSLATE_NOOP("Element", "Szyja"),
    QT_TRANSLATE_NOOP("Element", "Oczy"),     QT_TRANSLATE_NOOP("Element", "Źrenice"),
    QT_TRANSLATE_NOOP("Element", "Nos"),      QT_TRANSLATE_NOOP("Element", "Usta"),
    QT_TRANSLATE_NOOP("Element", "Brwi"),     QT_TRANSLATE_NOOP("Element", "Broda"),
    QT_TRANSLATE_NOOP("Element", "Uszy"),     QT_TRANSLATE_NOOP("Element", "Grzywa"),
    QT_TRANSLATE_NOOP("Element", "Włosy"),    QT_TRANSLATE_NOOP("Element", "Ubranie"),
    QT_TRANSLATE_NOOP("Element", "Nakrycie"), QT_TRANSLATE_NOOP("Element", "Inne #1"),
    QT_TRANSLATE_NOOP("Element", "Inne #2"),
};

constexpr std::array<int, kLayerCount> kDrawOrder = {22, 19, 17, 1, 21, 20, 0,  18, 10, 15, 3, 2,
                                                     6,  4,  16, 5, 7,  14, 23, 8,  13, 11, 9, 12};

constexpr std::array<int, kLayerCount> kFullLoadOrder = {
    0, 1, 2, 15, 3, 4, 5, 16, 6, 7, 8, 9, 17, 18, 10, 19, 20, 11, 21, 12, 22, 23, 13, 14};

constexpr std::array<int, 8> kGeneratedElements = {kFace,  kEyes,  kIris,      kNose,
                                                   kMouth, kBrows, kFrontHair, kBackHair};

// One row per element: the layers of each group.
struct GroupRow {
    std::vector<int> load, move, rotation, recolour;
};

const std::array<GroupRow, kElementCount>& groupTable() {
    static const std::array<GroupRow, kElementCount> table = {{
        {{0},
         {0, 2, 15, 3, 4, 5, 16, 6, 7, 8, 9, 17, 18, 10, 19, 20, 12, 22, 23, 14},
         {0, 2, 15, 3, 4, 5, 16, 8, 6, 7, 9, 17, 18, 10, 19, 20, 12, 22, 23, 14},
         {0, 1, 2, 4, 5, 8, 18}},
        {{1}, {1}, {1}, {1}},
        {{2, 15}, {2, 15, 3}, {2, 15}, {2}},
        {{3}, {3}, {3}, {3}},
        {{4}, {4}, {4}, {4}},
        {{5, 16}, {5, 16}, {5, 16}, {16}},
        {{6}, {6}, {6}, {6}},
        {{7}, {7}, {7}, {7}},
        {{8}, {8}, {8}, {8}},
        {{9, 17, 18}, {9, 17, 18}, {9, 17, 18}, {9, 17}},
        {{10, 19, 20}, {10, 19, 20}, {10, 19, 20}, {10, 19, 20}},
        {{11, 21}, {11, 21}, {11, 21}, {11, 21}},
        {{12, 22, 23}, {12, 22, 23}, {12, 22, 23}, {12, 22, 23}},
        {{13}, {13}, {13}, {13}},
        {{14}, {14}, {14}, {14}},
    }};
    return table;
}

template <auto Member>
std::span<const int> groupOf(int element) {
    if (!isValidElement(element))
        return {};
    return groupTable()[static_cast<std::size_t>(element)].*Member;
}

}  // namespace

const LayerInfo& layerInfo(int layer) {
    return kLayers.at(static_cast<std::size_t>(layer));
}

std::string_view elementListText(int element) {
    return kListTexts.at(static_cast<std::size_t>(element));
}

std::string_view countedFolder(int element) {
    return layerInfo(element).folder;
}

std::span<const int, kLayerCount> drawOrder() {
    return kDrawOrder;
}
std::span<const int, kLayerCount> fullLoadOrder() {
    return kFullLoadOrder;
}
std::span<const int> generatedElements() {
    return kGeneratedElements;
}

std::span<const int> loadGroup(int element) {
    return groupOf<&GroupRow::load>(element);
}
bool loadGroupHolds(int element, int layer) {
    const std::span<const int> loads = loadGroup(element);
    return std::find(loads.begin(), loads.end(), layer) != loads.end();
}
std::span<const int> moveGroup(int element) {
    return groupOf<&GroupRow::move>(element);
}
std::span<const int> rotationGroup(int element) {
    return groupOf<&GroupRow::rotation>(element);
}
std::span<const int> recolourGroup(int element) {
    return groupOf<&GroupRow::recolour>(element);
}

}  // namespace kelvaro
