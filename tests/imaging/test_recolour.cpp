// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Recolouring: exact channel values against the worked examples, the contrast line table, a
// straightforward per-pixel evaluation and exact rational arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "imaging/recolour.h"

namespace kelvaro {
namespace {

// The colour arithmetic evaluated for one channel of one pixel, step by step, as a check on the
// table-driven kernel.
int referenceChannel(int c, int k, int b, int t) {
    const int c1 = (c * k) >> 8;
    double x = 0;
    if (b > 0) {
        const double q = b / 100.0;
        x = (255 - c1) * q + c1;
    } else {
        const double q = -b / 100.0;
        x = c1 - q * c1;
    }
    const int c2 = static_cast<int>(x);
    if (t == 0)
        return c2;
    double a = t * 45;
    a = a / 100.0 * 3.141592653589793;
    a = (a + 141.3716694115407) / 180.0;
    const double s = std::tan(a);
    const double y = s * c2 + (128.0 - 128.0 * s);
    return y > 255.0 ? 255 : y < 0.0 ? 0 : static_cast<int>(y);
}

// The reference result of every channel value under one multiplier, so the per-pixel check
// below needs three look-ups instead of three tangents.
std::array<std::uint32_t, 256> referenceChannels(int k, int b, int t) {
    std::array<std::uint32_t, 256> values{};
    for (int c = 0; c < 256; ++c)
        values[static_cast<std::size_t>(c)] =
            static_cast<std::uint32_t>(referenceChannel(c, k, b, t));
    return values;
}

// Checks every pixel of `image` against the reference evaluation of its loaded pixel.
void expectReferenceImage(const PartPixels& loaded, const PartPixels& image,
                          const ColourSettings& s) {
    const auto red = referenceChannels(s.red, s.brightness, s.contrast);
    const auto green = referenceChannels(s.green, s.brightness, s.contrast);
    const auto blue = referenceChannels(s.blue, s.brightness, s.contrast);
    const auto expectedAt = [&](std::size_t i) {
        const Argb p = loaded[i];
        return alphaOf(p) == 0
                   ? p
                   : makeArgb(alphaOf(p), red[redOf(p)], green[greenOf(p)], blue[blueOf(p)]);
    };
    std::size_t i = 0;
    while (i < loaded.size() && image[i] == expectedAt(i))
        ++i;
    ASSERT_EQ(i, loaded.size()) << "first wrong pixel, settings " << s.red << " " << s.green << " "
                                << s.blue << " " << s.brightness << " " << s.contrast;
}

// A part whose pixels run through every channel value in each channel, in differing orders,
// with every fifth pixel transparent and the other alphas varying.
std::unique_ptr<PartPixels> variedPart() {
    auto part = makePartPixels();
    for (std::uint32_t i = 0; i < part->size(); ++i) {
        const std::uint32_t alpha = i % 5 == 0 ? 0 : 1 + (i * 37) % 255;
        (*part)[i] = makeArgb(alpha, i & 0xff, (i * 7 + 3) & 0xff, (i / 256 + i * 13) & 0xff);
    }
    return part;
}

// Recolours a part whose every pixel is `p` and returns the first pixel.
Argb recolourOne(Argb p, const ColourSettings& s) {
    auto loaded = makePartPixels();
    loaded->fill(p);
    auto image = makePartPixels();
    recolourPixels(*loaded, *image, s);
    return (*image)[0];
}

TEST(Recolour, WorkedValuesForOneChannel) {
    struct Row {
        int c, k, b, t, c1, c2, result;
    };
    const std::vector<Row> rows = {
        {255, 255, 0, 0, 254, 254, 254},
        {128, 255, 0, 0, 127, 127, 127},
        {0, 255, 0, 0, 0, 0, 0},
        {200, 128, 0, 0, 100, 100, 100},
        {255, 0, 0, 0, 0, 0, 0},
        {101, 255, 50, 0, 100, 177, 177},
        {101, 255, -50, 0, 100, 50, 50},
        {101, 255, 10, 0, 100, 115, 115},
        {101, 255, -10, 0, 100, 90, 90},
        {101, 255, -56, 0, 100, 43, 43},
        {101, 255, 100, 0, 100, 255, 255},
        {101, 255, -100, 0, 100, 0, 0},
        {101, 255, 0, -100, 100, 100, 128},
        {101, 255, 0, -50, 100, 100, 116},
        {201, 255, 0, -50, 200, 200, 157},
        {101, 255, 0, 1, 100, 100, 99},
        {201, 255, 0, 1, 200, 200, 201},
        {101, 255, 0, 50, 100, 100, 60},
        {201, 255, 0, 50, 200, 200, 255},
        {129, 255, 0, 10, 128, 128, 128},
        {255, 255, -20, 30, 254, 203, 250},
        {255, 255, 100, -50, 254, 255, 180},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "c=" << row.c << " k=" << row.k << " b=" << row.b << " t=" << row.t);
        EXPECT_EQ(multiplyChannel(row.c, row.k), row.c1);
        EXPECT_EQ(brightenChannel(row.c1, row.b), row.c2);
        EXPECT_EQ(stretchChannel(row.c2, row.t), row.result);
        const auto c = static_cast<std::uint32_t>(row.c);
        const auto r = static_cast<std::uint32_t>(row.result);
        EXPECT_EQ(recolourOne(makeArgb(255, c, c, c), {row.k, row.k, row.k, row.b, row.t}),
                  makeArgb(255, r, r, r));
    }
}

bool withinOneUlp(double actual, double expected) {
    return actual == expected || actual == std::nextafter(expected, INFINITY) ||
           actual == std::nextafter(expected, -INFINITY);
}

TEST(Recolour, ContrastSlopeAndOffset) {
    struct Row {
        int t;
        double slope, offset;
    };
    const std::vector<Row> rows = {
        {-100, 0.0, 128.0},
        {-50, 0.41421356237309503, 74.98066401624384},
        {-10, 0.8540806854634666, 18.677672260676275},
        {1, 1.0158326380634268, -2.026577672118634},
        {10, 1.1708495661125393, -21.868744462405033},
        {50, 2.414213562373095, -181.01933598375615},
        {99, 127.32133646887188, -16169.1310680156},
        {100, 1.633123935319537e16, -2.090398637209007e18},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.t);
        const double slope = contrastSlope(row.t);
        EXPECT_TRUE(withinOneUlp(slope, row.slope)) << std::hexfloat << slope;
        EXPECT_TRUE(withinOneUlp(contrastOffset(slope), row.offset))
            << std::hexfloat << contrastOffset(slope);
    }
    EXPECT_EQ(contrastSlope(-100), 0.0);
}

// floor of the brightness step in exact rational arithmetic.
int exactBrightness(int c1, int b) {
    return b > 0 ? (100 * c1 + (255 - c1) * b) / 100 : c1 * (100 + b) / 100;
}

TEST(Recolour, BrightnessFallsOneBelowExactlyForFifteenPairs) {
    const std::set<std::pair<int, int>> expected = {
        {25, -56},  {50, -56},  {75, -68},  {75, -56},  {100, -56},
        {100, -55}, {150, -68}, {150, -56}, {175, -68}, {175, -56},
        {180, -55}, {200, -56}, {200, -55}, {220, -55}, {225, -56},
    };
    // Loaded value c1 + 1 under multiplier 255 gives c1 after the multiplier step.
    auto loaded = makePartPixels();
    for (std::uint32_t c1 = 0; c1 <= 254; ++c1)
        (*loaded)[c1] = makeArgb(255, c1 + 1, c1 + 1, 0);
    auto image = makePartPixels();
    std::set<std::pair<int, int>> kernelLow;
    std::set<std::pair<int, int>> referenceLow;
    for (int b = -100; b <= 100; ++b) {
        recolourPixels(*loaded, *image, {255, 255, 255, b, 0});
        for (int c1 = 0; c1 <= 254; ++c1) {
            const int exact = exactBrightness(c1, b);
            const int kernel = static_cast<int>(redOf((*image)[static_cast<std::size_t>(c1)]));
            const int reference = referenceChannel(c1 + 1, 255, b, 0);
            ASSERT_TRUE(kernel == exact || kernel == exact - 1) << c1 << " " << b;
            if (kernel == exact - 1)
                kernelLow.insert({c1, b});
            if (reference == exact - 1)
                referenceLow.insert({c1, b});
        }
    }
    EXPECT_EQ(kernelLow, expected);
    EXPECT_EQ(referenceLow, expected);
}

TEST(Recolour, ContrastEdges) {
    for (int k : {0, 100, 255}) {
        for (int b : {-100, -30, 0, 45, 100}) {
            const ChannelTable table = channelTable(k, b, -100);
            for (int c = 0; c < 256; ++c)
                ASSERT_EQ(table[c], 128) << k << " " << b << " " << c;
        }
    }
    const ChannelTable steepest = channelTable(255, 0, 100);
    for (int c2 = 0; c2 < 256; ++c2) {
        if (c2 == 128)
            continue;
        EXPECT_EQ(stretchChannel(c2, 100), c2 < 128 ? 0 : 255) << c2;
        // Loaded c2 + 1 is c2 after the multiplier step.
        if (c2 < 255) {
            EXPECT_EQ(steepest[c2 + 1], c2 < 128 ? 0 : 255) << c2;
        }
    }
    for (int t = -100; t <= 99; ++t) {
        EXPECT_EQ(stretchChannel(128, t), 128) << t;
        EXPECT_EQ(channelTable(255, 0, t)[129], 128) << t;  // 129 is 128 after the multiplier
    }
}

TEST(Recolour, DefaultSettingsAreNotTheIdentity) {
    EXPECT_EQ(recolourOne(makeArgb(200, 255, 128, 0), {}), makeArgb(200, 254, 127, 0));
    EXPECT_EQ(recolourOne(makeArgb(1, 1, 2, 3), {}), makeArgb(1, 0, 1, 2));
}

TEST(Recolour, AlphaComesFromTheLoadedPixels) {
    const auto loaded = variedPart();
    auto image = makePartPixels();
    const std::vector<ColourSettings> settings = {
        {}, {0, 0, 0, 100, 0}, {17, 200, 3, -100, 50}, {255, 255, 255, 0, -100}};
    for (const ColourSettings& s : settings) {
        image->fill(0x12345678u);
        recolourPixels(*loaded, *image, s);
        for (std::size_t i = 0; i < loaded->size(); ++i) {
            const Argb p = (*loaded)[i];
            if (alphaOf(p) == 0) {
                ASSERT_EQ((*image)[i], p) << i;
            } else {
                ASSERT_EQ(alphaOf((*image)[i]), alphaOf(p)) << i;
            }
        }
    }
}

TEST(Recolour, EveryChannelValueMatchesPerPixelEvaluation) {
    const auto loaded = variedPart();
    auto image = makePartPixels();
    std::vector<ColourSettings> settings;
    const std::vector<int> multipliers = {0, 1, 2, 127, 128, 200, 254, 255};
    for (std::size_t m = 0; m < multipliers.size(); ++m) {
        for (int b : {-100, -99, -68, -56, -55, -1, 0, 1, 37, 99, 100}) {
            for (int t : {-100, -99, -45, -10, -1, 0, 1, 10, 33, 98, 99, 100}) {
                const int k = multipliers[m];
                settings.push_back({k, multipliers[(m + 3) % multipliers.size()], 255 - k, b, t});
            }
        }
    }
    for (int t = -100; t <= 100; ++t)
        settings.push_back({255, 128, 64, t / 2, t});
    for (const ColourSettings& s : settings) {
        recolourPixels(*loaded, *image, s);
        expectReferenceImage(*loaded, *image, s);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

TEST(Recolour, StartsAgainFromTheLoadedPixels) {
    const auto loaded = variedPart();
    const ColourSettings settings{200, 90, 255, -20, 30};
    auto once = makePartPixels();
    recolourPixels(*loaded, *once, settings);
    auto image = makePartPixels();
    recolourPixels(*loaded, *image, settings);
    recolourPixels(*loaded, *image, settings);
    EXPECT_TRUE(*image == *once);
    for (int step = 0; step < 5; ++step) {
        auto changed = toArray(settings);
        changed[static_cast<std::size_t>(step)] += step < 3 ? -50 : 40;
        recolourPixels(*loaded, *image, fromArray(changed));
        EXPECT_FALSE(*image == *once) << step;
        recolourPixels(*loaded, *image, settings);
        EXPECT_TRUE(*image == *once) << step;
    }
}

}  // namespace
}  // namespace kelvaro
