// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The gallery's own portrait: made to show one document after another, it composes every part
// of the current element exactly as the portrait itself shows it after stepping to that part.
#include <gtest/gtest.h>

#include "model/part_cache.h"
#include "model/part_preview.h"
#include "model/portrait_commands.h"
#include "model/portrait_ops.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

using test::composed;
using test::libraryBase;
using test::openedPortrait;
using test::tint;

TEST(PartPreview, ComposesWhatSteppingShowsAfterAnyEarlierDocument) {
    struct Row {
        const char* what;
        int element;
    };
    const Row rows[] = {
        {"eyes: eye shape reloaded, iris re-masked", kEyes},
        {"iris moved inside the eye shape", kIris},
        {"front hair: two layers beyond the primary", kFrontHair},
        {"mouth: the open mouth alone recoloured", kMouth},
        {"face: seven layers recoloured", kFace},
    };
    PartCache cache;
    for (const Row& row : rows) {
        auto live = openedPortrait();
        tint(*live, kMouth, {255, 60, 60, -20, 40});
        live->currentElement = kIris;
        moveCurrentElement(*live, 5, -3);
        // An earlier document the preview shows first: other parts and other tints.
        chooseGeneratedParts(*live, [](int highest) { return highest; });
        loadGeneratedParts(*live, {});
        tint(*live, kFace, {120, 220, 180, 30, -10});
        const PortraitDocument earlier = capture(*live);
        chooseGeneratedParts(*live, [](int) { return 1; });
        loadGeneratedParts(*live, {});
        tint(*live, row.element, {200, 150, 255, -15, 25});
        live->current = {180, 255, 90, 10, 0};  // edits changed, nothing recoloured yet
        const PortraitDocument document = capture(*live);

        PartPreview reused(libraryBase(), &cache);
        reused.show(earlier);
        for (int part = 0; part < test::kLibraryParts; ++part)
            reused.composeWithPart(part);
        reused.show(document);
        const int highest = live->highestPart[static_cast<std::size_t>(row.element)];
        for (int part : {2, 0, highest, 1}) {
            const CanvasPixels& out = reused.composeWithPart(part);
            ASSERT_TRUE(setCurrentPart(*live, part));
            loadCurrentPart(*live, {});
            EXPECT_TRUE(out == *composed(*live)) << row.what << ", part " << part;
        }
    }
}

TEST(PartPreview, OnePreviewShowsEveryElementsPartsInTurn) {
    // The canvas below the element is shared by the parts of one document; every element in
    // turn, in one preview, with the current settings not yet applied to the recolour group.
    PartCache cache;
    PartPreview preview(libraryBase(), &cache);
    auto live = openedPortrait();
    tint(*live, kFace, {120, 220, 180, 30, -10});
    for (int element = 0; element < kElementCount; ++element) {
        live->currentElement = element;
        live->current = {200 - element, 150, 255, element - 7, 25};
        preview.show(capture(*live));
        const int highest = live->highestPart[static_cast<std::size_t>(element)];
        for (int part = highest; part >= 0; --part) {
            const CanvasPixels& out = preview.composeWithPart(part);
            ASSERT_TRUE(setCurrentPart(*live, part));
            loadCurrentPart(*live, {});
            ASSERT_TRUE(out == *composed(*live)) << "element " << element << ", part " << part;
        }
    }
}

}  // namespace
}  // namespace kelvaro
