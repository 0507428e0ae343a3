// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The expression parts of the sample library: each shows on the canvas in its element's base
// colour, closed eyes hide the iris, and the basic set of expressions names parts that exist.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <set>

#include "imaging/layer_bounds.h"
#include "imaging/main_tone.h"
#include "model/expression_ops.h"
#include "model/layer_tables.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro {
namespace {

std::unique_ptr<PartPixels> pixelsOf(const QImage& image) {
    auto pixels = makePartPixels();
    for (int y = 0; y < kPartSize; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::copy(row, row + kPartSize, pixels->begin() + y * kPartSize);
    }
    return pixels;
}

constexpr int kOpenMouthLayer = 16;

// The canvas inside a part image: a part drawn for the default place shows nothing beyond it.
constexpr PixelBox kCanvasInPart{19, 19, 19 + kCanvasSize, 19 + kCanvasSize};

TEST(ExpressionPartsTest, EachNewPartShowsOnTheCanvasInItsElementsBaseColour) {
    const struct {
        int layer, first, last;
        Rgb tone;  // the fill the element's plain parts are drawn in, which the recolour tints
    } rows[] = {
        {kEyes, 6, 10, {62, 44, 46}},             // lashes and lids in ink
        {kEyeShapeLayer, 6, 8, {252, 252, 253}},  // the white of the eye
        {kBrows, 5, 7, {112, 88, 78}},
        {kMouth, 6, 11, {126, 70, 66}},             // lip line
        {kOpenMouthLayer, 7, 7, {196, 102, 106}},   // inside of the laughing mouth
        {kOpenMouthLayer, 9, 10, {196, 102, 106}},  // the "o" and the shout
        {kBand, 3, 3, {222, 120, 124}},             // blush
        {kBand, 4, 5, {238, 245, 252}},             // tears and sweat
        {kBand, 6, 6, {222, 120, 124}},             // anger mark
    };
    for (const auto& row : rows)
        for (int number = row.first; number <= row.last; ++number) {
            SCOPED_TRACE(testing::Message() << "layer " << row.layer << " part " << number);
            ASSERT_LT(number, samples::partCount(layerInfo(row.layer).element));
            const auto part = pixelsOf(samples::drawPart(row.layer, number));
            const PixelBox shown = visibleBounds(*part);
            EXPECT_GT(shown.width() * shown.height(), 30);
            EXPECT_EQ(intersection(shown, kCanvasInPart), shown);
            const Rgb tone = mainTone(*part, shown);
            EXPECT_LE(std::abs(tone.red - row.tone.red), 6) << tone.red;
            EXPECT_LE(std::abs(tone.green - row.tone.green), 6) << tone.green;
            EXPECT_LE(std::abs(tone.blue - row.tone.blue), 6) << tone.blue;
        }
}

TEST(ExpressionPartsTest, ClosedEyesLeaveTheEyeShapeEmptySoTheIrisDisappears) {
    const struct {
        int number;
        bool closed;
    } rows[] = {{0, false}, {6, false}, {8, false}, {9, true}, {10, true}};
    for (const auto& row : rows) {
        const PixelBox opening =
            visibleBounds(*pixelsOf(samples::drawPart(kEyeShapeLayer, row.number)));
        EXPECT_EQ(opening.empty(), row.closed) << row.number;
        samples::FaceParts face{};
        face[kEyes] = row.number;
        const QRgb eyeCentre = samples::composePortrait(face).pixel(77, 101);
        EXPECT_EQ(qBlue(eyeCentre) > qRed(eyeCentre), !row.closed) << row.number;  // blue iris
    }
}

// "Zestaw podstawowy" is made for these parts: each of its expressions shows parts the library
// has, and no two faces of the set look alike.
TEST(ExpressionPartsTest, TheBasicSetNamesExistingPartsAndLooksDifferent) {
    ExpressionSet set;
    ASSERT_TRUE(addBasicExpressions(set));
    std::set<samples::FaceParts> faces = {samples::FaceParts{}};
    for (const Expression& expression : set.expressions) {
        SCOPED_TRACE(expression.name);
        samples::FaceParts face{};
        for (int element = 0; element < kElementCount; ++element) {
            if (const auto& change = expression.overrides[static_cast<std::size_t>(element)]) {
                EXPECT_LT(change->part, samples::partCount(element)) << element;
                face[static_cast<std::size_t>(element)] = change->part;
            }
        }
        faces.insert(face);
    }
    EXPECT_EQ(faces.size(), set.expressions.size() + 1);
}

}  // namespace
}  // namespace kelvaro
