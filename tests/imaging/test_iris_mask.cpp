// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Iris masking: the iris keeps its loaded alpha only over non-transparent eye-shape pixels.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <vector>

#include "imaging/iris_mask.h"
#include "imaging/recolour.h"

namespace kelvaro {
namespace {

std::unique_ptr<PartPixels> copyOf(const PartPixels& p) {
    return std::make_unique<PartPixels>(p);
}

std::size_t at(int c, int r) {
    return static_cast<std::size_t>(r * kPartSize + c);
}

// A part whose alpha is given per pixel and whose colour bytes differ from pixel to pixel.
std::unique_ptr<PartPixels> partWithAlpha(const std::function<std::uint32_t(int, int)>& alpha) {
    auto part = makePartPixels();
    for (int r = 0; r < kPartSize; ++r) {
        for (int c = 0; c < kPartSize; ++c) {
            const auto seed = static_cast<std::uint32_t>(r * 31 + c * 7);
            (*part)[at(c, r)] = makeArgb(alpha(c, r), seed & 0xff, (seed >> 3) & 0xff, c & 0xff);
        }
    }
    return part;
}

// The mask evaluated pixel by pixel with every bound checked.
std::unique_ptr<PartPixels> naiveMask(const PartPixels& iris, const PartPixels& eye, long dx,
                                      long dy, const PartPixels& image) {
    auto out = copyOf(image);
    for (int r = 0; r < kPartSize; ++r) {
        for (int c = 0; c < kPartSize; ++c) {
            const long ec = c + dx;
            const long er = r + dy;
            const bool inside = ec >= 0 && ec < kPartSize && er >= 0 && er < kPartSize;
            const bool open =
                inside && alphaOf(eye[static_cast<std::size_t>(er * kPartSize + ec)]) != 0;
            const Argb alpha = open ? alphaOf(iris[at(c, r)]) : 0;
            (*out)[at(c, r)] = (image[at(c, r)] & 0x00ffffffu) | (alpha << 24);
        }
    }
    return out;
}

// An iris with soft, varied alpha and transparent corners; an eye shape that is an ellipse
// with alpha 1 at its rim.
struct Fixture {
    std::unique_ptr<PartPixels> iris = partWithAlpha([](int c, int r) -> std::uint32_t {
        return (c < 20 && r < 20) ? 0 : 1 + static_cast<std::uint32_t>(c * 3 + r) % 255;
    });
    std::unique_ptr<PartPixels> eye = partWithAlpha([](int c, int r) -> std::uint32_t {
        const int u = c - 115;
        const int v = r - 110;
        const int d = u * u * 4 + v * v * 9;
        return d < 40000 ? 255 : d < 46000 ? 1 : 0;
    });
    // The displayed iris: recoloured, so its colour bytes differ from the loaded ones.
    std::unique_ptr<PartPixels> image = makePartPixels();
    Fixture() { recolourPixels(*iris, *image, {90, 200, 30, 10, -20}); }
};

void expectColoursKept(const PartPixels& before, const PartPixels& after) {
    for (std::size_t i = 0; i < before.size(); ++i)
        ASSERT_EQ(after[i] & 0x00ffffffu, before[i] & 0x00ffffffu) << i;
}

TEST(IrisMask, SamePositionKeepsIrisAlphaWhereBothAreVisible) {
    Fixture f;
    const auto before = copyOf(*f.image);
    maskIris(*f.iris, *f.eye, 0, 0, *f.image);
    int visible = 0;
    for (std::size_t i = 0; i < before->size(); ++i) {
        const bool open = alphaOf((*f.eye)[i]) != 0;
        ASSERT_EQ(alphaOf((*f.image)[i]), open ? alphaOf((*f.iris)[i]) : 0u) << i;
        visible += alphaOf((*f.image)[i]) != 0;
    }
    EXPECT_GT(visible, 1000);
    expectColoursKept(*before, *f.image);
}

TEST(IrisMask, AnyEyeShapeAlphaLetsTheIrisAlphaThrough) {
    const auto iris = partWithAlpha([](int, int) { return 200u; });
    const auto eye = partWithAlpha([](int c, int r) { return c == 50 && r == 60 ? 1u : 0u; });
    auto image = copyOf(*iris);
    maskIris(*iris, *eye, 0, 0, *image);
    EXPECT_EQ(alphaOf((*image)[at(50, 60)]), 200u);
    EXPECT_EQ(alphaOf((*image)[at(51, 60)]), 0u);
}

TEST(IrisMask, OnePixelRightTestsTheNextEyeShapeColumn) {
    const auto iris = partWithAlpha([](int, int) { return 255u; });
    const auto column100 = partWithAlpha([](int c, int) { return c == 100 ? 255u : 0u; });
    auto image = copyOf(*iris);
    maskIris(*iris, *column100, 1, 0, *image);
    for (int r = 0; r < kPartSize; ++r) {
        for (int c = 0; c < kPartSize; ++c)
            ASSERT_EQ(alphaOf((*image)[at(c, r)]), c == 99 ? 255u : 0u) << c << "," << r;
    }
    const auto opaque = partWithAlpha([](int, int) { return 255u; });
    maskIris(*iris, *opaque, 1, 0, *image);
    for (int r = 0; r < kPartSize; ++r) {
        for (int c = 0; c < kPartSize; ++c)
            ASSERT_EQ(alphaOf((*image)[at(c, r)]), c == 229 ? 0u : 255u) << c << "," << r;
    }
}

TEST(IrisMask, OffsetsOfAWholeImageLeaveNothing) {
    const std::vector<std::pair<int, int>> offsets = {
        {230, 0},           {-230, 0},          {0, 230},       {0, -230},    {231, 5},
        {-5, -1000},        {INT_MAX, 0},       {INT_MIN, 0},   {0, INT_MAX}, {0, INT_MIN},
        {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {229, INT_MIN}, {-229, 230},
    };
    const auto opaque = partWithAlpha([](int, int) { return 255u; });
    for (const auto& [dx, dy] : offsets) {
        Fixture f;
        const auto before = copyOf(*f.image);
        maskIris(*f.iris, *opaque, dx, dy, *f.image);
        for (std::size_t i = 0; i < before->size(); ++i)
            ASSERT_EQ((*f.image)[i], (*before)[i] & 0x00ffffffu) << dx << "," << dy << " at " << i;
    }
    // Just inside: one corner pixel of the iris still lies over the eye shape.
    Fixture f;
    maskIris(*f.iris, *opaque, 229, -229, *f.image);
    EXPECT_EQ(alphaOf((*f.image)[at(0, 229)]), alphaOf((*f.iris)[at(0, 229)]));
    EXPECT_NE(alphaOf((*f.image)[at(0, 229)]), 0u);
}

TEST(IrisMask, MaskingAgainAndAfterRecolourGivesTheSameImage) {
    Fixture f;
    maskIris(*f.iris, *f.eye, 7, -3, *f.image);
    const auto once = copyOf(*f.image);
    maskIris(*f.iris, *f.eye, 7, -3, *f.image);
    EXPECT_TRUE(*f.image == *once);
    // A recolour puts the loaded alpha back; masking again restores the masked alpha.
    recolourPixels(*f.iris, *f.image, {90, 200, 30, 10, -20});
    EXPECT_FALSE(*f.image == *once);
    maskIris(*f.iris, *f.eye, 7, -3, *f.image);
    EXPECT_TRUE(*f.image == *once);
    // A different colour keeps the mask once it is applied after the recolour.
    recolourPixels(*f.iris, *f.image, {255, 0, 128, -40, 60});
    const auto recoloured = copyOf(*f.image);
    maskIris(*f.iris, *f.eye, 7, -3, *f.image);
    for (std::size_t i = 0; i < once->size(); ++i) {
        ASSERT_EQ(alphaOf((*f.image)[i]), alphaOf((*once)[i])) << i;
        ASSERT_EQ((*f.image)[i] & 0x00ffffffu, (*recoloured)[i] & 0x00ffffffu) << i;
    }
}

TEST(IrisMask, MatchesPixelByPixelEvaluationForRandomOffsets) {
    Fixture f;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> offset(-240, 240);
    for (int round = 0; round < 150; ++round) {
        const int dx = round % 3 == 0 ? offset(random) / 8 : offset(random);
        const int dy = offset(random);
        const auto before = copyOf(*f.image);
        maskIris(*f.iris, *f.eye, dx, dy, *f.image);
        const auto expected = naiveMask(*f.iris, *f.eye, dx, dy, *before);
        ASSERT_TRUE(*f.image == *expected) << "round " << round << ": " << dx << "," << dy;
    }
}

// The part of `image` inside `box`, everything outside it 0.
std::unique_ptr<PartPixels> keptInside(const PartPixels& image, const PixelBox& box) {
    auto out = makePartPixels();
    for (int r = box.top; r < box.bottom; ++r) {
        for (int c = box.left; c < box.right; ++c)
            (*out)[at(c, r)] = image[at(c, r)];
    }
    return out;
}

// Confined to the boxes, the mask gives the whole-image mask's pixels for iris and eye-shape
// boxes anywhere in the image, those touching its edges among them, at offsets that move the
// boxes apart, partly over each other and wholly over each other.
TEST(IrisMask, ConfinedToTheBoxesGivesTheWholeImageMask) {
    struct Case {
        PixelBox iris;
        PixelBox eye;
        int dx;
        int dy;
    };
    const Case cases[] = {
        {{60, 70, 120, 110}, {40, 50, 190, 170}, 0, 0},
        {{60, 70, 120, 110}, {40, 50, 190, 170}, -19, 23},
        {{0, 0, 230, 230}, {40, 50, 190, 170}, 9, -4},
        {{0, 0, 37, 230}, {0, 0, 230, 12}, 5, -200},
        {{193, 180, 230, 230}, {0, 0, 50, 50}, -193, -180},
        {{193, 180, 230, 230}, {0, 0, 50, 50}, -160, -175},
        {{100, 100, 101, 101}, {100, 100, 101, 101}, 0, 0},
        {{20, 30, 60, 90}, {150, 150, 230, 230}, 0, 0},
        {{20, 30, 60, 90}, {0, 0, 230, 230}, 229, -229},
        {{20, 30, 60, 90}, {0, 0, 230, 230}, INT_MIN, INT_MAX},
        {{50, 50, 50, 90}, {0, 0, 230, 230}, 0, 0},
        {{50, 50, 90, 90}, {70, 70, 70, 70}, 0, 0},
    };
    Fixture f;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy << " iris " << c.iris.left << ","
                                        << c.iris.top << " eye " << c.eye.left << "," << c.eye.top);
        const auto iris = keptInside(*f.iris, c.iris);
        const auto eye = keptInside(*f.eye, c.eye);
        const auto image = keptInside(*f.image, c.iris);
        const auto expected = naiveMask(*iris, *eye, c.dx, c.dy, *image);
        maskIrisInBoxes(*iris, c.iris, *eye, c.eye, c.dx, c.dy, *image);
        ASSERT_TRUE(*image == *expected);
    }
}

}  // namespace
}  // namespace kelvaro
