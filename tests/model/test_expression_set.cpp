// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Expression sets: an override changes only its element's layers, the shown face composes as its
// document does on a fresh portrait, changes on the shown face reach the base or the expression
// as they belong, and the set operations give the set they promise.
#include <gtest/gtest.h>

#include <functional>

#include "model/expression_ops.h"
#include "model/portrait_commands.h"
#include "model/portrait_document.h"
#include "model/portrait_ops.h"
#include "model/shown_change.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

using test::composed;
using test::openedPortrait;

// A base whose layers all differ from each other.
std::array<LayerRecord, kLayerCount> variedLayers() {
    std::array<LayerRecord, kLayerCount> layers{};
    for (int i = 0; i < kLayerCount; ++i)
        layers[static_cast<std::size_t>(i)] = {
            i % 3, i - 19, 19 - i, i * 15, {250 - i, 200, i, -i, i}, i % 2 == 0};
    return layers;
}

// Two expressions that give the eyes and the mouth their own parts and places.
ExpressionSet twoExpressions() {
    ExpressionSet set;
    Expression smile{"Radość", {}};
    smile.overrides[kEyes] = ElementOverride{1, 2, -1, 10};
    smile.overrides[kMouth] = ElementOverride{2, 0, 3, 0};
    Expression sad{"Smutek", {}};
    sad.overrides[kEyes] = ElementOverride{2, -4, 5, 350};
    sad.overrides[kBrows] = ElementOverride{1, 0, -2, 5};
    set.expressions = {smile, sad};
    return set;
}

TEST(ExpressionSet, EveryGroupHoldsAllOrNoneOfAnElementsLayers) {
    // Overrides place every layer of an element alike: no command may place them apart.
    for (int element = 0; element < kElementCount; ++element) {
        const auto own = loadGroup(element);
        for (int acting = 0; acting < kElementCount; ++acting) {
            for (const auto group : {moveGroup(acting), rotationGroup(acting)}) {
                const auto holds = [&](int layer) {
                    return std::find(group.begin(), group.end(), layer) != group.end();
                };
                const auto held = std::count_if(own.begin(), own.end(), holds);
                EXPECT_TRUE(held == 0 || held == static_cast<long>(own.size()))
                    << "element " << element << " in a group of " << acting;
            }
        }
    }
}

TEST(ExpressionSet, AnOverrideChangesOnlyItsElementsLayers) {
    struct Row {
        int element;
        ElementOverride change;
        LayerRecord expectedPrimary;  // colours as in the base
    };
    const auto base = variedLayers();
    const Row rows[] = {
        {kEyes, {2, 3, -4, 20}, {2, -14, 13, 50, base[kEyes].stored, true}},
        {kMouth, {0, -1, 0, 355}, {0, -15, 14, 70, base[kMouth].stored, false}},
        {kIris, {7, 0, 0, 0}, {7, -16, 16, 45, base[kIris].stored, false}},
        {kBrows, {1, 1, 1, 300}, {1, -12, 14, 30, base[kBrows].stored, true}},
    };
    for (const Row& row : rows) {
        Expression expression{"x", {}};
        expression.overrides[static_cast<std::size_t>(row.element)] = row.change;
        const auto shown = layersShowing(base, expression);
        const auto group = loadGroup(row.element);
        for (int layer = 0; layer < kLayerCount; ++layer) {
            const auto at = static_cast<std::size_t>(layer);
            const bool inGroup = std::find(group.begin(), group.end(), layer) != group.end();
            EXPECT_EQ(shown[at], inGroup ? overridden(base[at], row.change) : base[at])
                << row.element << " layer " << layer;
        }
        EXPECT_EQ(shown[static_cast<std::size_t>(row.element)], row.expectedPrimary) << row.element;
        EXPECT_EQ(overrideBetween(base[static_cast<std::size_t>(row.element)], row.expectedPrimary),
                  row.change)
            << row.element;
    }
}

TEST(ExpressionSet, TheShownFaceComposesAsItsDocumentOnAFreshPortrait) {
    auto state = openedPortrait();
    state->currentElement = kIris;
    moveCurrentElement(*state, 3, 1);  // the base has an iris mask at an offset of its own
    PortraitDocument document = capture(*state);
    document.expressions = twoExpressions();
    std::vector<std::unique_ptr<CanvasPixels>> canvases;
    for (int face = 0; face <= 2; ++face) {
        document.expressions.edited = face;
        apply(document, *state, {});
        EXPECT_EQ(capture(*state), document) << face;
        PortraitDocument shown = shownDocument(document);
        shown.expressions = {};
        auto fresh = openedPortrait();
        apply(shown, *fresh, {}, ApplyScope::Everything);
        canvases.push_back(composed(*state));
        EXPECT_TRUE(*canvases.back() == *composed(*fresh)) << face;
    }
    EXPECT_FALSE(*canvases[0] == *canvases[1]);
    EXPECT_FALSE(*canvases[1] == *canvases[2]);
}

// The base after `command` runs on a portrait showing the base, and the document after it runs
// on the same portrait showing expression 1, its change settled.
struct BothWays {
    std::array<LayerRecord, kLayerCount> baseAlone;
    PortraitDocument settled;
};

BothWays runBothWays(int element, const std::function<void(PortraitState&)>& command) {
    auto state = openedPortrait();
    state->currentElement = element;
    PortraitDocument document = capture(*state);
    command(*state);
    BothWays result{capture(*state).layers, {}};
    document.expressions = twoExpressions();
    document.expressions.edited = 1;
    apply(document, *state, {});
    const ShownFace before = shownFace(*state);
    command(*state);
    settleShownChange(*state, before, element);
    result.settled = capture(*state);
    return result;
}

const std::function<void(PortraitState&)> kMoveRight = [](PortraitState& s) {
    moveCurrentElement(s, 1, 0);
};

TEST(ExpressionSet, BaseChangesWhileAnExpressionIsShownReachEveryExpression) {
    const struct Row {
        const char* what;
        int element;
        std::function<void(PortraitState&)> command;
    } rows[] = {
        {"head moved", kFace, kMoveRight},
        {"head turned", kFace, [](PortraitState& s) { rotateCurrentElement(s, 5); }},
        {"hair recoloured", kBackHair,
         [](PortraitState& s) {
             test::tint(s, kBackHair, {90, 60, 30, -10, 20});
         }},
        {"eyes recoloured", kEyes,
         [](PortraitState& s) {
             test::tint(s, kEyes, {20, 60, 90, 0, 0});
         }},
        {"clothes changed", kClothes,
         [](PortraitState& s) {
             stepCurrentPart(s, 1);
             loadCurrentPart(s, {});
         }},
    };
    for (const Row& row : rows) {
        const BothWays both = runBothWays(row.element, row.command);
        EXPECT_EQ(both.settled.layers, both.baseAlone) << row.what;
        EXPECT_EQ(both.settled.expressions.expressions, twoExpressions().expressions) << row.what;
        EXPECT_NE(both.baseAlone, capture(*openedPortrait()).layers) << row.what;
    }
}

TEST(ExpressionSet, ChangesOfExpressionElementsGoIntoTheExpression) {
    const struct Row {
        int element;
        std::function<void(PortraitState&)> command;
        std::vector<std::pair<int, ElementOverride>> overrides;  // of expression 1 after it
    } rows[] = {
        // The eyes' move group takes the iris along: the iris gets an override of its own.
        {kEyes,
         kMoveRight,
         {{kEyes, {1, 3, -1, 10}}, {kMouth, {2, 0, 3, 0}}, {kIris, {0, 3, -1, 0}}}},
        {kMouth, kMoveRight, {{kEyes, {1, 2, -1, 10}}, {kMouth, {2, 1, 3, 0}}}},
        {kBrows,
         [](PortraitState& s) { rotateCurrentElement(s, -5); },
         {{kEyes, {1, 2, -1, 10}}, {kMouth, {2, 0, 3, 0}}, {kBrows, {0, 0, 0, 355}}}},
        // Centring keeps the override's own part.
        {kMouth,
         [](PortraitState& s) { centreCurrentElement(s); },
         {{kEyes, {1, 2, -1, 10}}, {kMouth, {2, 0, 0, 0}}}},
    };
    for (const Row& row : rows) {
        const BothWays both = runBothWays(row.element, row.command);
        EXPECT_EQ(both.settled.layers, capture(*openedPortrait()).layers) << row.element;
        ElementOverrides expected{};
        for (const auto& [element, change] : row.overrides)
            expected[static_cast<std::size_t>(element)] = change;
        EXPECT_EQ(both.settled.expressions.expressions[0].overrides, expected) << row.element;
        EXPECT_EQ(both.settled.expressions.expressions[1], twoExpressions().expressions[1]);
    }
}

// The names of the set's expressions, then "@" and the face edited.
std::string outline(const ExpressionSet& set) {
    std::string text;
    for (const Expression& expression : set.expressions)
        text += expression.name + ",";
    return text + "@" + std::to_string(set.edited);
}

TEST(ExpressionSet, EachOperationGivesTheSetItPromises) {
    const struct Row {
        const char* what;
        std::function<bool(ExpressionSet&)> operation;
        std::string expected;  // outline after it; the start when refused
        bool changes;
    } rows[] = {
        {"choose", [](ExpressionSet& s) { return chooseEditedFace(s, 2); }, "Radość,Smutek,@2",
         true},
        {"choose none", [](ExpressionSet& s) { return chooseEditedFace(s, 3); }, "Radość,Smutek,@1",
         false},
        {"add", [](ExpressionSet& s) { return addExpression(s, "Sen"); }, "Radość,Smutek,Sen,@3",
         true},
        {"add nameless", [](ExpressionSet& s) { return addExpression(s, ""); }, "Radość,Smutek,@1",
         false},
        {"remove edited", [](ExpressionSet& s) { return removeExpression(s, 1); }, "Smutek,@0",
         true},
        {"remove other", [](ExpressionSet& s) { return removeExpression(s, 2); }, "Radość,@1",
         true},
        {"remove base", [](ExpressionSet& s) { return removeExpression(s, 0); }, "Radość,Smutek,@1",
         false},
        {"rename", [](ExpressionSet& s) { return renameExpression(s, 2, "Złość"); },
         "Radość,Złość,@1", true},
        {"rename empty", [](ExpressionSet& s) { return renameExpression(s, 2, ""); },
         "Radość,Smutek,@1", false},
        {"move on", [](ExpressionSet& s) { return moveExpression(s, 1, 1); }, "Smutek,Radość,@2",
         true},
        {"move past the front", [](ExpressionSet& s) { return moveExpression(s, 1, -1); },
         "Radość,Smutek,@1", false},
        {"take",
         [](ExpressionSet& s) {
             return takeExpressions(s, {{{"Sen", {}}}, 1});
         },
         "Sen,@0", true},
        {"basic", [](ExpressionSet& s) { return addBasicExpressions(s); },
         "Radość,Smutek,Radość,Śmiech,Smutek,Złość,Zaskoczenie,Zawstydzenie,Sen,@1", true},
    };
    for (const Row& row : rows) {
        ExpressionSet set = twoExpressions();
        set.edited = 1;
        EXPECT_EQ(row.operation(set), row.changes) << row.what;
        EXPECT_EQ(outline(set), row.expected) << row.what;
    }
}

TEST(ExpressionSet, OverridesAreDroppedAndTheSetStopsAtSixteenFaces) {
    ExpressionSet set = twoExpressions();
    set.edited = 2;
    EXPECT_TRUE(dropOverride(set, kBrows));
    EXPECT_FALSE(dropOverride(set, kBrows));
    EXPECT_FALSE(set.expressions[1].overrides[kBrows]);
    EXPECT_TRUE(set.expressions[1].overrides[kEyes]);
    EXPECT_EQ(set.expressions[0], twoExpressions().expressions[0]);
    int added = 0;
    while (addExpression(set, "Mina"))
        ++added;
    EXPECT_EQ(added, kMaxFaces - 3);
    EXPECT_EQ(set.expressions.size(), std::size_t{kMaxExpressions});
    EXPECT_FALSE(addBasicExpressions(set));
}

}  // namespace
}  // namespace kelvaro
