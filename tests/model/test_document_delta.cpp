// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The undo step between two documents: every field of the table is recorded, undone and redone,
// merging keys on the layer and the field, and a step holds little more than its changes.
#include <gtest/gtest.h>

#include <functional>

#include "model/document_delta.h"

namespace kelvaro {
namespace {

// A document whose layers differ from each other.
PortraitDocument variedDocument() {
    PortraitDocument document;
    for (int i = 0; i < kLayerCount; ++i) {
        LayerRecord& layer = document.layers[static_cast<std::size_t>(i)];
        layer = {i % 4, i - 19, 19 - i, i * 15, {250 - i, 200, i, -i, i}, i % 2 == 0};
    }
    document.irisMask = IrisMaskOffset{3, -4};
    return document;
}

TEST(DocumentDelta, EveryKindOfChangeIsUndoneAndRedone) {
    struct Row {
        const char* what;
        std::function<void(PortraitDocument&)> change;
        std::vector<LayerFieldChange> layerChanges;
    };
    const Row rows[] = {
        {"part", [](PortraitDocument& d) { d.layers[0].partNumber = 7; }, {{0, 0, 0, 7}}},
        {"x and y",
         [](PortraitDocument& d) {
             d.layers[23].x = 100;
             d.layers[23].y = -100;
         },
         {{23, 1, 4, 100}, {23, 2, -4, -100}}},
        {"angle", [](PortraitDocument& d) { d.layers[5].angle = 359; }, {{5, 3, 75, 359}}},
        {"red", [](PortraitDocument& d) { d.layers[9].stored.red = 0; }, {{9, 4, 241, 0}}},
        {"contrast",
         [](PortraitDocument& d) { d.layers[9].stored.contrast = -100; },
         {{9, 8, 9, -100}}},
        {"recoloured", [](PortraitDocument& d) { d.layers[2].recoloured = false; }, {{2, 9, 1, 0}}},
        {"the iris mask", [](PortraitDocument& d) { d.irisMask.reset(); }, {}},
        {"portrait-wide values",
         [](PortraitDocument& d) {
             d.currentElement = kBand;
             d.sizeChoice = 2;
             d.current.blue = 1;
             d.scroll.red = 2;
         },
         {}},
    };
    const PortraitDocument before = variedDocument();
    for (const Row& row : rows) {
        PortraitDocument after = before;
        row.change(after);
        const DocumentDelta delta = documentDelta(before, after);
        EXPECT_EQ(delta.layerChanges, row.layerChanges) << row.what;
        EXPECT_FALSE(changesNothing(delta)) << row.what;
        EXPECT_EQ(documentBefore(delta, after), before) << row.what;
        EXPECT_EQ(documentAfter(delta, before), after) << row.what;
    }
}

TEST(DocumentDelta, EveryFieldOfEveryLayerIsRecordedOnce) {
    const PortraitDocument before = variedDocument();
    PortraitDocument after = before;
    for (LayerRecord& layer : after.layers) {
        for (const LayerField& field : kLayerFields)
            field.set(layer, field.get(layer) == 0 ? 1 : 0);
    }
    const DocumentDelta delta = documentDelta(before, after);
    ASSERT_EQ(delta.layerChanges.size(), std::size_t{kLayerCount * kLayerFieldCount});
    EXPECT_EQ(delta.layerChanges[kLayerFieldCount + 3], (LayerFieldChange{1, 3, 15, 0}));
    EXPECT_EQ(documentBefore(delta, after), before);
    EXPECT_EQ(documentAfter(delta, before), after);
}

TEST(DocumentDelta, MergingKeysOnLayerAndField) {
    const PortraitDocument a = variedDocument();
    PortraitDocument b = a;
    b.layers[4].x = 50;          // changed back below: dropped from the merged step
    b.layers[6].x = 60;          // the same field of another layer stays
    b.layers[6].stored.red = 7;  // changed again below: one change from the first to the last
    PortraitDocument c = b;
    c.layers[4].x = a.layers[4].x;
    c.layers[6].stored.red = 8;
    c.layers[6].stored.green = 9;
    const DocumentDelta merged = mergedDelta(documentDelta(a, b), documentDelta(b, c));
    const std::vector<LayerFieldChange> expected = {
        {6, 1, -13, 60}, {6, 4, 244, 8}, {6, 5, 200, 9}};
    EXPECT_EQ(merged.layerChanges, expected);
    EXPECT_EQ(documentBefore(merged, c), a);
    EXPECT_EQ(documentAfter(merged, a), c);
}

TEST(DocumentDelta, AStepHoldsItsChangesAndLittleElse) {
    const PortraitDocument before = variedDocument();
    EXPECT_EQ(byteSize(documentDelta(before, before)), sizeof(DocumentDelta));
    EXPECT_LT(sizeof(DocumentDelta), sizeof(PortraitDocument) / 4);
    std::size_t previous = sizeof(DocumentDelta);
    PortraitDocument after = before;
    for (int moved = 1; moved <= kLayerCount; ++moved) {
        after.layers[static_cast<std::size_t>(moved - 1)].x += 3;
        const std::size_t size = byteSize(documentDelta(before, after));
        EXPECT_GT(size, previous) << moved;
        EXPECT_GE(size, sizeof(DocumentDelta) + moved * sizeof(LayerFieldChange)) << moved;
        EXPECT_LE(size, sizeof(DocumentDelta) + 2 * moved * sizeof(LayerFieldChange)) << moved;
        previous = size;
    }
}

}  // namespace
}  // namespace kelvaro
