// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Recolouring limited to the loaded pixels' visible box: the same image as recolouring every
// pixel, through sequences of recolours and iris masks, and nothing written outside the box.
#include <gtest/gtest.h>

#include <random>

#include "imaging/iris_mask.h"
#include "imaging/layer_bounds.h"
#include "imaging/recolour.h"

namespace kelvaro {
namespace {

using Random = std::mt19937;

int uniform(Random& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// A part drawn inside a random rectangle with a transparent margin around it; inside, random
// colours and alphas, about a quarter of them 0, and colour bytes kept under alpha 0 as well.
std::unique_ptr<PartPixels> partWithMargins(Random& random) {
    const int left = uniform(random, 0, 200), top = uniform(random, 0, 200);
    const int right = uniform(random, left + 1, kPartSize);
    const int bottom = uniform(random, top + 1, kPartSize);
    auto part = makePartPixels();
    for (int v = 0; v < kPartSize; ++v)
        for (int u = 0; u < kPartSize; ++u) {
            const auto colour = static_cast<Argb>(random()) & 0x00ffffffu;
            const bool inside = u >= left && u < right && v >= top && v < bottom;
            const auto alpha = static_cast<Argb>(uniform(random, -85, 255));
            (*part)[static_cast<std::size_t>(v * kPartSize + u)] =
                colour | (inside && alpha > 0 ? alpha << 24 : 0u);
        }
    return part;
}

ColourSettings randomSettings(Random& random) {
    return {uniform(random, 0, 255), uniform(random, 0, 255), uniform(random, 0, 255),
            uniform(random, -100, 100), uniform(random, -100, 100)};
}

// The box grown by up to 20 pixels on each side, also past the image's edges.
PixelBox grown(const PixelBox& box, Random& random) {
    return {box.left - uniform(random, 0, 20), box.top - uniform(random, 0, 20),
            box.right + uniform(random, 0, 20), box.bottom + uniform(random, 0, 20)};
}

// An editing sequence on one image pair: recolour, mask against an eye shape, recolour again,
// mask at another offset. `boxed` recolours within `box`, otherwise over every pixel.
void runSequence(unsigned seed, const PartPixels& loaded, const PartPixels& eyeShape,
                 const PixelBox& box, bool boxed, PartPixels& image) {
    Random random(seed);
    image = loaded;
    for (int step = 0; step < 4; ++step) {
        const ColourSettings s = randomSettings(random);
        if (step % 2 == 0 && boxed)
            recolourPixels(loaded, image, s, box);
        else if (step % 2 == 0)
            recolourPixels(loaded, image, s);
        else
            maskIris(loaded, eyeShape, uniform(random, -240, 240), uniform(random, -60, 60), image);
    }
}

TEST(RecolourBox, BoxedRecolourEqualsFullRecolourThroughRecoloursAndMasks) {
    for (unsigned seed = 700; seed < 740; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Random random(seed);
        const auto loaded = partWithMargins(random);
        const auto eyeShape = partWithMargins(random);
        const PixelBox exact = visibleBounds(*loaded);
        const PixelBox boxes[] = {exact, grown(exact, random), kWholePart};
        auto full = makePartPixels();
        runSequence(seed, *loaded, *eyeShape, kWholePart, false, *full);
        for (const PixelBox& box : boxes) {
            auto boxed = makePartPixels();
            runSequence(seed, *loaded, *eyeShape, box, true, *boxed);
            ASSERT_EQ(*boxed, *full)
                << "box " << box.left << " " << box.top << " " << box.right << " " << box.bottom;
        }
    }
}

TEST(RecolourBox, NothingOutsideTheBoxIsWritten) {
    struct Row {
        const char* name;
        PixelBox box;
    };
    const Row rows[] = {
        {"inside", {30, 40, 100, 41}},           {"one pixel", {229, 229, 230, 230}},
        {"past the edges", {-9, 200, 300, 260}}, {"empty", {50, 50, 50, 90}},
        {"inverted", {90, 10, 20, 30}},
    };
    Random random(99);
    auto loaded = makePartPixels();
    for (Argb& p : *loaded)
        p = static_cast<Argb>(random()) | 0x01000000u;
    const ColourSettings s{10, 250, 128, 40, -30};
    auto full = makePartPixels();
    recolourPixels(*loaded, *full, s);
    for (const Row& r : rows) {
        constexpr Argb kUntouched = 0x00abcdefu;
        auto image = makePartPixels();
        image->fill(kUntouched);
        recolourPixels(*loaded, *image, s, r.box);
        const PixelBox written = intersection(r.box, kWholePart);
        int wrong = 0;
        for (int v = 0; v < kPartSize; ++v)
            for (int u = 0; u < kPartSize; ++u) {
                const bool inside = !written.empty() && u >= written.left && u < written.right &&
                                    v >= written.top && v < written.bottom;
                const auto i = static_cast<std::size_t>(v * kPartSize + u);
                wrong += (*image)[i] != (inside ? (*full)[i] : kUntouched);
            }
        EXPECT_EQ(wrong, 0) << r.name;
    }
}

}  // namespace
}  // namespace kelvaro
