// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Fast paths against the general path, and the general path against a slow double-precision
// evaluation of the same cubic. Random cases are seeded; a failing case prints its seed, and
// KELVARO_COMPOSITOR_SEED=<seed> runs that case alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>

#include "imaging/blend.h"
#include "tests/imaging/compositor_test_support.h"

namespace kelvaro::test {
namespace {

using Random = std::mt19937;

int uniform(Random& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

Argb randomPixel(Random& random) {
    return static_cast<Argb>(random());
}

// A random part: noise, a soft blob, a hard-edged opaque rectangle, or fully opaque.
std::unique_ptr<PartPixels> randomPart(Random& random) {
    const int kind = uniform(random, 0, 3);
    const int cx = uniform(random, 0, 229), cy = uniform(random, 0, 229),
              r = uniform(random, 3, 120);
    const Argb colour = randomPixel(random) | 0xff000000u;
    std::uniform_int_distribution<std::uint32_t> byte(0, 255);
    return makePart([&](int u, int v) -> Argb {
        const int d2 = (u - cx) * (u - cx) + (v - cy) * (v - cy);
        switch (kind) {
            case 0:
                return randomPixel(random);
            case 1:
                return d2 < r * r ? (colour & 0x00ffffffu) | (byte(random) << 24) : 0u;
            case 2:
                return std::abs(u - cx) < r && std::abs(v - cy) < r / 2 ? colour : 0u;
            default:
                return makeArgb(255, byte(random), byte(random), byte(random));
        }
    });
}

int randomAngle(Random& random) {
    constexpr int kSpecial[] = {0, 90, 180, 270, -90, 360, 3600, 1, 359, 45};
    return uniform(random, 0, 1) == 0 ? kSpecial[uniform(random, 0, 9)]
                                      : uniform(random, -800, 800);
}

struct RandomCase {
    std::vector<std::unique_ptr<PartPixels>> parts;
    std::vector<CompositorLayer> layers;
    std::unique_ptr<CanvasPixels> wall;
};

RandomCase makeCase(unsigned seed) {
    Random random(seed);
    RandomCase c;
    const int count = uniform(random, 1, 4);
    for (int n = 0; n < count; ++n) {
        c.parts.push_back(randomPart(random));
        const bool present = uniform(random, 0, 5) != 0;
        c.layers.push_back({present ? c.parts.back().get() : nullptr, uniform(random, -60, 20),
                            uniform(random, -60, 20), randomAngle(random)});
    }
    if (uniform(random, 0, 1) == 1) {
        c.wall = makeCanvasPixels();
        for (Argb& p : *c.wall)
            p = premultiply(randomPixel(random));
    }
    return c;
}

std::vector<unsigned> seedsToRun() {
    if (const char* chosen = std::getenv("KELVARO_COMPOSITOR_SEED"))
        return {static_cast<unsigned>(std::strtoul(chosen, nullptr, 10))};
    std::vector<unsigned> seeds;
    for (unsigned n = 0; n < 30; ++n)
        seeds.push_back(20240 + n);
    return seeds;
}

TEST(CompositorPaths, FastPathsGiveExactlyThePixelsOfTheGeneralPath) {
    for (const unsigned seed : seedsToRun()) {
        SCOPED_TRACE(testing::Message() << "replay with KELVARO_COMPOSITOR_SEED=" << seed);
        const RandomCase c = makeCase(seed);
        const auto fast = compose(c.wall.get(), c.layers, true);
        const auto general = compose(c.wall.get(), c.layers, false);
        ASSERT_EQ(*fast, *general);
    }
}

// Each layer's box as the caller may supply it: exactly the visible box, or larger by up to 30
// pixels a side (also past the image), or the whole image.
std::vector<CompositorLayer> withSuppliedBoxes(std::vector<CompositorLayer> layers, int kind,
                                               Random& random) {
    for (CompositorLayer& layer : layers) {
        if (layer.image == nullptr)
            continue;
        const PixelBox exact = visibleBounds(*layer.image);
        const PixelBox larger{
            exact.left - uniform(random, 0, 30), exact.top - uniform(random, 0, 30),
            exact.right + uniform(random, 0, 30), exact.bottom + uniform(random, 0, 30)};
        const PixelBox choices[] = {exact, larger, kWholePart};
        layer.visible = choices[kind];
    }
    return layers;
}

TEST(CompositorPaths, SuppliedBoxesGiveThePixelsOfScanning) {
    for (const unsigned seed : seedsToRun()) {
        SCOPED_TRACE(testing::Message() << "replay with KELVARO_COMPOSITOR_SEED=" << seed);
        RandomCase c = makeCase(seed);
        // A wholly transparent layer on top (colour bytes only): its exact box is empty.
        c.parts.push_back(makePart([](int u, int v) { return static_cast<Argb>(u * 977 + v); }));
        c.layers.push_back({c.parts.back().get(), -30, -10, 33});
        Random random(seed);
        for (const bool fastPaths : {true, false}) {
            const auto scanned = compose(c.wall.get(), c.layers, fastPaths);
            for (int kind = 0; kind < 3; ++kind) {
                const auto boxed = withSuppliedBoxes(c.layers, kind, random);
                ASSERT_EQ(*compose(c.wall.get(), boxed, fastPaths), *scanned)
                    << "box kind " << kind << ", fast paths " << fastPaths;
            }
        }
    }
}

TEST(CompositorPaths, CoveredLayersSkippedGiveThePlainResult) {
    // Full opaque layers stacked and turned: the fast path draws mostly the top one.
    Random random(7);
    std::vector<std::unique_ptr<PartPixels>> parts;
    std::vector<CompositorLayer> layers;
    for (int n = 0; n < 8; ++n) {
        parts.push_back(makePart([&](int, int) { return randomPixel(random) | 0xff000000u; }));
        layers.push_back({parts.back().get(), -19, -19, n * 23 + (n % 2 == 0 ? 0 : 90)});
    }
    EXPECT_EQ(*compose(nullptr, layers, true), *compose(nullptr, layers, false));
}

// The cubic of Keys with a = -0.5.
double keys(double d) {
    d = std::fabs(d);
    if (d <= 1)
        return 1.5 * d * d * d - 2.5 * d * d + 1;
    if (d < 2)
        return -0.5 * d * d * d + 2.5 * d * d - 4 * d + 2;
    return 0;
}

struct Sample {
    double channel[4]{};  // blue, green, red, alpha; unclamped
};

// Double-precision sample of one layer at canvas pixel (i, j), straight from the definition.
Sample referenceSample(const CompositorLayer& layer, int i, int j) {
    const double a = layer.angle * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
    const double dx = i + 0.5 - 95, dy = j + 0.5 - 95;
    const double u = dx * c + dy * s + 95 - layer.x - 0.5,
                 v = -dx * s + dy * c + 95 - layer.y - 0.5;
    Sample out;
    const int u0 = static_cast<int>(std::floor(u)), v0 = static_cast<int>(std::floor(v));
    for (int tv = v0 - 1; tv <= v0 + 2; ++tv) {
        for (int tu = u0 - 1; tu <= u0 + 2; ++tu) {
            if (tu < 0 || tv < 0 || tu >= kPartSize || tv >= kPartSize)
                continue;
            const Argb p =
                premultiply((*layer.image)[static_cast<std::size_t>(tv * kPartSize + tu)]);
            const double w = keys(u - tu) * keys(v - tv);
            for (int ch = 0; ch < 4; ++ch)
                out.channel[ch] += w * ((p >> (8 * ch)) & 0xff);
        }
    }
    return out;
}

Argb clampToPixel(const Sample& s) {
    const auto toByte = [](double x) {
        return static_cast<std::uint32_t>(std::clamp(std::lround(x), 0L, 255L));
    };
    const std::uint32_t alpha = toByte(s.channel[3]);
    return makeArgb(alpha, std::min(toByte(s.channel[2]), alpha),
                    std::min(toByte(s.channel[1]), alpha), std::min(toByte(s.channel[0]), alpha));
}

int largestDifference(Argb a, Argb b) {
    int largest = 0;
    for (int ch = 0; ch < 4; ++ch)
        largest = std::max(largest, std::abs(static_cast<int>((a >> (8 * ch)) & 0xff) -
                                             static_cast<int>((b >> (8 * ch)) & 0xff)));
    return largest;
}

TEST(CompositorPaths, GeneralPathMatchesDoublePrecisionCubicWithinOneLevel) {
    int largest = 0;
    for (const unsigned seed : seedsToRun()) {
        Random random(seed);
        const auto part = randomPart(random);
        const CompositorLayer layer{part.get(), uniform(random, -40, 0), uniform(random, -40, 0),
                                    uniform(random, -400, 400)};
        const auto canvas = compose(nullptr, {&layer, 1}, false);
        for (int j = 0; j < kCanvasSize; j += 3)
            for (int i = 0; i < kCanvasSize; ++i) {
                const int d = largestDifference(canvasAt(*canvas, i, j),
                                                clampToPixel(referenceSample(layer, i, j)));
                ASSERT_LE(d, 1) << "seed " << seed << " at " << i << "," << j;
                largest = std::max(largest, d);
            }
    }
    std::printf("largest difference to the double-precision cubic: %d level(s)\n", largest);
    RecordProperty("largestDifference", largest);
}

TEST(CompositorPaths, HighContrastEdgesAreClampedToValidPremultipliedPixels) {
    // White with black lines every third pixel: between two white pixels flanked by black ones
    // the cubic overshoots, colour above alpha unless clamped.
    const auto part = makePart([](int u, int v) {
        if (u < 20 || v < 20 || u >= 210 || v >= 210)
            return 0u;
        return (u % 3 == 0 || v % 3 == 0) ? 0xff000000u : 0xffffffffu;
    });
    for (const int angle : {7, 33, 45, 300}) {
        const CompositorLayer layer{part.get(), -19, -19, angle};
        const auto canvas = compose(nullptr, {&layer, 1});
        double largestRaw = 0;
        for (int j = 0; j < kCanvasSize; ++j)
            for (int i = 0; i < kCanvasSize; ++i) {
                const Argb p = canvasAt(*canvas, i, j);
                ASSERT_LE(std::max({redOf(p), greenOf(p), blueOf(p)}), alphaOf(p))
                    << angle << " at " << i << "," << j;
                const Sample raw = referenceSample(layer, i, j);
                largestRaw = std::max(largestRaw, raw.channel[2] - raw.channel[3]);
            }
        EXPECT_GT(largestRaw, 10.0) << "the pattern must overshoot for angle " << angle;
    }
}

}  // namespace
}  // namespace kelvaro::test
