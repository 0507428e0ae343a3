// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Move, centre and rotate, driven by clicks on the window's buttons.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QTest>

#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

TEST(Placement, EachMoveButtonMovesTheGroupOnePixel) {
    // The back hair's block covers canvas x 50..69, y 26..45; each row names the pixel just
    // outside it that a one-pixel move brings inside.
    struct Row {
        int button, dx, dy;
        QPoint newlyCovered;
    };
    const Row rows[] = {{ids::kMoveUp, 0, -1, {60, 25}},
                        {ids::kMoveDown, 0, 1, {60, 46}},
                        {ids::kMoveLeft, -1, 0, {49, 36}},
                        {ids::kMoveRight, 1, 0, {70, 36}}};
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        editor.selectElement(kBackHair);
        editor.state().saved = true;
        editor.click(row.button);
        for (int layer : {10, 19, 20}) {
            EXPECT_EQ(editor.state().layer(layer).x, -19 + row.dx) << layer;
            EXPECT_EQ(editor.state().layer(layer).y, -19 + row.dy) << layer;
        }
        EXPECT_EQ(editor.state().layer(kFace).x, -19);
        EXPECT_FALSE(editor.state().saved);
        EXPECT_EQ(editor.canvasPixel(row.newlyCovered), defaultTint(blockColour(10, 0)));
    }
}

TEST(Placement, MovingTheFaceMovesTheHeadButNotNeckClothesOrAccessory) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kEyes);
    editor.click(ids::kMoveLeft);  // eyes, eye shape and iris at (-20, -19)
    editor.selectElement(kFace);
    editor.click(ids::kMoveDown);
    editor.click(ids::kMoveDown);
    for (int layer : moveGroup(kFace)) {
        EXPECT_EQ(editor.state().layer(layer).x, -19) << layer;
        EXPECT_EQ(editor.state().layer(layer).y, -17) << layer;
    }
    for (int layer : {int{kNeck}, int{kClothes}, 21, int{kAccessory}}) {
        EXPECT_EQ(editor.state().layer(layer).y, -19) << layer;
    }
}

TEST(Placement, MovingTheEyesTakesTheIrisAlongAndMasksAgain) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kIris);
    for (int i = 0; i < 3; ++i)
        editor.click(ids::kMoveRight);  // iris 3 pixels right of its shape
    const QPoint irisRightEdge = blockCentre(kIrisLayer) + QPoint(12, 0);
    // Moved 3 pixels: the iris's last column lies past the eye shape and is masked.
    EXPECT_EQ(editor.canvasPixel(irisRightEdge), kWallColour);
    EXPECT_EQ(editor.canvasPixel(irisRightEdge - QPoint(1, 0)),
              defaultTint(blockColour(kIrisLayer, 0)));
    editor.selectElement(kEyes);
    editor.click(ids::kMoveUp);
    for (int layer : {2, 15, 3}) {
        EXPECT_EQ(editor.state().layer(layer).x, -19) << layer;
        EXPECT_EQ(editor.state().layer(layer).y, -20) << layer;
    }
    // Offset zero again: the whole iris shows.
    EXPECT_EQ(editor.canvasPixel(blockCentre(kIrisLayer) + QPoint(9, -1)),
              defaultTint(blockColour(kIrisLayer, 0)));
}

TEST(Placement, RotationWrapsAndKeepsTheSavedFlag) {
    struct Row {
        int start, button, expected;
    };
    const Row rows[] = {{355, ids::kRotateRight, 0},
                        {0, ids::kRotateLeft, 355},
                        {90, ids::kRotateRight, 95},
                        {90, ids::kRotateLeft, 85}};
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        editor.state().layer(kFace).angle = row.start;
        editor.state().saved = true;
        editor.click(row.button);
        for (int layer : rotationGroup(kFace)) {
            EXPECT_EQ(editor.state().layer(layer).angle, row.expected) << layer;
        }
        EXPECT_EQ(editor.state().layer(kNeck).angle, 0);
        EXPECT_TRUE(editor.state().saved);
    }
}

TEST(Placement, RotatingTheEyesLeavesTheIrisAndItsMask) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kEyes);
    const PartPixels irisBefore = *editor.state().layer(kIrisLayer).image();
    editor.click(ids::kRotateRight);
    EXPECT_EQ(editor.state().layer(2).angle, 5);
    EXPECT_EQ(editor.state().layer(15).angle, 5);
    EXPECT_EQ(editor.state().layer(3).angle, 0);
    EXPECT_EQ(*editor.state().layer(kIrisLayer).image(), irisBefore);
    editor.selectElement(kFace);
    editor.click(ids::kRotateLeft);
    for (int layer : rotationGroup(kFace))
        EXPECT_EQ(editor.state().layer(layer).angle, 355);
}

TEST(Placement, CentreOfTheEyesResetsPositionsAndTheirAngleOnly) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kIris);
    editor.click(ids::kRotateRight);
    editor.selectElement(kEyes);
    editor.click(ids::kRotateRight);
    editor.click(ids::kMoveDown);
    editor.state().saved = true;
    editor.click(ids::kCentre);
    for (int layer : {2, 15, 3}) {
        EXPECT_EQ(editor.state().layer(layer).x, -19);
        EXPECT_EQ(editor.state().layer(layer).y, -19);
    }
    EXPECT_EQ(editor.state().layer(2).angle, 0);
    EXPECT_EQ(editor.state().layer(15).angle, 0);
    EXPECT_EQ(editor.state().layer(3).angle, 5);
    EXPECT_FALSE(editor.state().saved);
}

TEST(Placement, RotatedFaceIsDrawnAboutTheCanvasPivot) {
    EditorFixture editor;
    editor.open();
    // Face block centre (12, 12) turned 180 degrees about (95, 95) lands at (178, 178).
    for (int i = 0; i < 36; ++i)
        editor.click(ids::kRotateRight);
    EXPECT_EQ(editor.state().layer(kFace).angle, 180);
    EXPECT_EQ(editor.canvasPixel(178, 178), 0xfffefefe);
    EXPECT_EQ(editor.canvasPixel(12, 12), kWallColour);
}

}  // namespace
}  // namespace kelvaro::test
