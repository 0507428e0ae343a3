// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Parts of one element line up with each other and with the default head, and the portrait
// pictures are composed as the editor composes the canvas.
#include <gtest/gtest.h>

#include <QImage>

#include "imaging/pixels.h"
#include "model/layer_tables.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro {
namespace {

using samples::drawPart;

// Image pixels of the two eye centres and the canvas centre (canvas point + 19).
constexpr std::array<QPoint, 2> kEyeCentres = {QPoint(77 + 19, 101 + 19),
                                               QPoint(113 + 19, 101 + 19)};
constexpr QPoint kCanvasCentre(95 + 19, 95 + 19);

int alphaAt(const QImage& image, QPoint p) {
    return qAlpha(image.pixel(p));
}

// First and last rows with non-zero alpha in column x (first > last when the column is empty).
std::pair<int, int> rowsShown(const QImage& image, int x) {
    int first = kPartSize, last = -1;
    for (int y = 0; y < image.height(); ++y)
        if (qAlpha(image.pixel(x, y)) != 0) {
            first = std::min(first, y);
            last = y;
        }
    return {first, last};
}

// The closed eyes of the expressions, whose eye shape is empty.
constexpr int kFirstClosedEye = 9;

TEST(SampleAlignmentTest, EachEyeShapeIsAWhiteOpeningThatItsEyeLeavesClear) {
    for (int number = 0; number < kFirstClosedEye; ++number) {
        const QImage shape = drawPart(kEyeShapeLayer, number);
        const QImage eye = drawPart(kEyes, number);
        int inside = 0, clear = 0;
        for (int y = 0; y < kPartSize; ++y)
            for (int x = 0; x < kPartSize; ++x)
                if (qAlpha(shape.pixel(x, y)) == 255) {
                    ++inside;
                    clear += qAlpha(eye.pixel(x, y)) == 0;
                }
        EXPECT_GT(inside, 300) << number;
        EXPECT_GT(clear * 10, inside * 6) << number;
        for (const QPoint centre : kEyeCentres) {
            EXPECT_EQ(alphaAt(shape, centre), 255) << number;
            EXPECT_GE(qGray(shape.pixel(centre)), 200) << number;
            EXPECT_EQ(alphaAt(eye, centre), 0) << number;
        }
    }
}

TEST(SampleAlignmentTest, EveryIrisIsTrimmedByEveryEyeShape) {
    for (int iris = 0; iris < samples::partCount(kIris); ++iris) {
        const QImage disc = drawPart(kIrisLayer, iris);
        for (int eye = 0; eye < samples::partCount(kEyes); ++eye) {
            const QImage shape = drawPart(kEyeShapeLayer, eye);
            for (const QPoint centre : kEyeCentres) {
                SCOPED_TRACE(testing::Message() << "iris " << iris << " eye " << eye);
                EXPECT_EQ(alphaAt(disc, centre), 255);
                const auto [irisTop, irisBottom] = rowsShown(disc, centre.x());
                const auto [openingTop, openingBottom] = rowsShown(shape, centre.x());
                EXPECT_LT(irisTop, openingTop);
                EXPECT_GT(irisBottom, openingBottom);
            }
        }
    }
}

TEST(SampleAlignmentTest, DefaultHeadPartsSitAroundTheCanvasCentre) {
    EXPECT_EQ(alphaAt(drawPart(kFace, 0), kCanvasCentre), 255);
    EXPECT_EQ(alphaAt(drawPart(kFace, 0), QPoint(kCanvasCentre.x(), 150 + 19)), 0);
    EXPECT_EQ(alphaAt(drawPart(kNeck, 0), QPoint(kCanvasCentre.x(), 145 + 19)), 255);
    EXPECT_EQ(alphaAt(drawPart(21, 0), QPoint(kCanvasCentre.x(), 185 + 19)), 255);
    EXPECT_EQ(alphaAt(drawPart(kFrontHair, 0), QPoint(kCanvasCentre.x(), 40 + 19)), 255);
    EXPECT_EQ(alphaAt(drawPart(kFrontHair, 0), kCanvasCentre), 0);
}

TEST(SampleAlignmentTest, EveryHairShadowStaysOnTheDefaultFace) {
    const QImage face = drawPart(kFace, 0);
    for (int number = 0; number < samples::partCount(kFrontHair); ++number) {
        const QImage shadow = drawPart(18, number);
        int outside = 0, shown = 0;
        for (int y = 0; y < kPartSize; ++y)
            for (int x = 0; x < kPartSize; ++x) {
                const bool shaded = qAlpha(shadow.pixel(x, y)) != 0;
                shown += shaded;
                outside += shaded && qAlpha(face.pixel(x, y)) == 0;
            }
        EXPECT_GT(shown, 50) << number;
        EXPECT_EQ(outside, 0) << number;
    }
}

TEST(SampleAlignmentTest, DefaultPortraitShowsTheIrisOnlyInsideTheEyeWhite) {
    const samples::FaceParts defaults{};
    const QImage portrait = samples::composePortrait(defaults);
    ASSERT_EQ(portrait.size(), QSize(kCanvasSize, kCanvasSize));
    const QImage iris = drawPart(kIrisLayer, 0);
    const QImage shape = drawPart(kEyeShapeLayer, 0);
    const QImage eye = drawPart(kEyes, 0);
    int trimmed = 0;
    for (int y = 19; y < 19 + kCanvasSize; ++y)
        for (int x = 19; x < 19 + kCanvasSize; ++x) {
            const QRgb shown = portrait.pixel(x - 19, y - 19);
            if (qAlpha(iris.pixel(x, y)) < 255 || qAlpha(eye.pixel(x, y)) != 0)
                continue;
            if (qAlpha(shape.pixel(x, y)) == 0) {
                ++trimmed;
                EXPECT_GT(qRed(shown), qBlue(shown)) << x << "," << y;  // skin, not iris
            } else {
                EXPECT_GT(qBlue(shown), qRed(shown)) << x << "," << y;  // the blue iris
            }
        }
    EXPECT_GT(trimmed, 0);
}

TEST(SampleAlignmentTest, StripPlacesScaledPortraitsSideBySide) {
    samples::FaceParts other{};
    other.fill(1);
    const std::array<samples::FaceParts, 2> faces = {samples::FaceParts{}, other};
    const QImage strip = samples::composeStrip(faces, 2);
    ASSERT_EQ(strip.size(), QSize(4 * kCanvasSize, 2 * kCanvasSize));
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const QImage portrait = samples::composePortrait(faces[i]);
        for (const QPoint p : {QPoint(0, 0), QPoint(95, 95), QPoint(77, 101), QPoint(191, 191)}) {
            const QPoint scaled(2 * kCanvasSize * static_cast<int>(i) + 2 * p.x() + 1,
                                2 * p.y() + 1);
            EXPECT_EQ(strip.pixel(scaled), portrait.pixel(p)) << i;
        }
    }
}

}  // namespace
}  // namespace kelvaro
