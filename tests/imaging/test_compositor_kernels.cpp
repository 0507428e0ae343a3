// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The span kernels on their own: every AVX2 cubic kernel against the portable one on seeded
// random patches and spans (any direction, lengths below and above a vector step, samples at the
// patch edges, pixels covered higher up), pixel for pixel; the whole-pixel kernels likewise on
// rows; premultiplied patch rows.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "imaging/blend.h"
#include "imaging/kernel_choice.h"
#include "imaging/layer_placement.h"
#include "imaging/premultiply_row.h"
#include "imaging/span_kernels.h"

namespace kelvaro::test {
namespace {

using Random = std::mt19937;

#ifdef KELVARO_X86
std::int64_t between(Random& random, std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random);
}

// A valid premultiplied pixel: transparent, opaque black or white (the extremes that drive the
// cubic's overshoot furthest), or random.
Argb patchPixel(Random& random) {
    constexpr Argb kExtremes[] = {0u, 0xff000000u, 0xffffffffu};
    const auto kind = between(random, 0, 4);
    if (kind < 3)
        return kExtremes[kind];
    return premultiply(static_cast<Argb>(random()));
}

struct KernelCase {
    int width;
    int height;
    std::vector<Argb> patch;
    std::vector<Argb> canvas;  // the row the span draws into, starting as random pixels
    std::vector<std::uint8_t> cover;
    SpanJob job;
};

// Largest number of samples from `start` on, moving by `step`, whose taps stay in [0, size).
int samplesInside(std::int64_t start, std::int64_t step, int size) {
    const std::int64_t low = kFixedOne;
    const std::int64_t high = (size - 2) * kFixedOne - 1;
    int n = 0;
    for (std::int64_t s = start; n < 64 && s >= low && s <= high; s += step)
        ++n;
    return n;
}

std::int64_t startIn(Random& random, int size) {
    const std::int64_t low = kFixedOne;
    const std::int64_t high = (size - 2) * kFixedOne - 1;
    const auto pick = between(random, 0, 5);
    return pick == 0 ? low : pick == 1 ? high : between(random, low, high);
}

KernelCase randomCase(Random& random) {
    KernelCase c;
    c.width = static_cast<int>(between(random, 4, 40));
    c.height = static_cast<int>(between(random, 4, 12));
    c.patch.resize(static_cast<std::size_t>(c.width * c.height));
    for (Argb& p : c.patch)
        p = patchPixel(random);
    SpanJob& job = c.job;
    job.stride = c.width;
    job.sampleX = startIn(random, c.width);
    job.sampleY = startIn(random, c.height);
    job.stepX = between(random, -kFixedOne, kFixedOne);
    job.stepY = between(random, -kFixedOne / 4, kFixedOne / 4);
    const int room = std::min(samplesInside(job.sampleX, job.stepX, c.width),
                              samplesInside(job.sampleY, job.stepY, c.height));
    job.count = static_cast<int>(between(random, 0, room));
    job.level = static_cast<std::uint8_t>(between(random, 1, 3));
    c.canvas.resize(static_cast<std::size_t>(room));
    c.cover.resize(static_cast<std::size_t>(room) + 8);  // vector loads of cover read 8 at once
    for (Argb& p : c.canvas)
        p = static_cast<Argb>(random()) | 0xff000000u;
    for (std::uint8_t& level : c.cover)
        level = static_cast<std::uint8_t>(between(random, 0, 4));
    return c;
}

std::vector<Argb> drawn(KernelCase c, SpanKernel kernel) {
    c.job.pixels = c.patch.data();
    c.job.out = c.canvas.data();
    c.job.cover = c.cover.data();
    kernel(c.job);
    return c.canvas;
}

TEST(CompositorKernels, Avx2CubicKernelsDrawThePixelsOfThePortableKernel) {
    if (!kernelFeatures().avx2)
        GTEST_SKIP() << "the processor has no AVX2, or it is switched off";
    struct Named {
        const char* name;
        SpanKernel kernel;
    };
    const Named kernels[] = {{"one pixel", cubicSpanAvx2}, {"eight pixels", cubicSpan8Avx2}};
    Random random(20261208);
    int changed = 0;
    for (int n = 0; n < 3000; ++n) {
        const KernelCase c = randomCase(random);
        const std::vector<Argb> expected = drawn(c, cubicSpan);
        changed += expected != c.canvas;
        for (const Named& k : kernels)
            ASSERT_EQ(drawn(c, k.kernel), expected)
                << k.name << ", case " << n << ", count " << c.job.count;
    }
    // The cases do draw: most spans change some canvas pixel.
    EXPECT_GT(changed, 1500);
}

// A row of `count` source pixels in runs: transparent (colour bytes left in, as straight pixels
// may have), opaque, or random (premultiplied first for the kernels blending samples).
std::vector<Argb> sourceRow(Random& random, int count, bool premultiplied) {
    std::vector<Argb> row;
    while (static_cast<int>(row.size()) < count) {
        const auto kind = between(random, 0, 2);
        for (auto run = between(random, 1, 12); run > 0 && static_cast<int>(row.size()) < count;
             --run) {
            const auto bits = static_cast<Argb>(random());
            const Argb pixel = kind == 0   ? bits & 0x00ffffffu
                               : kind == 1 ? bits | 0xff000000u
                                           : bits;
            row.push_back(premultiplied ? premultiply(pixel) : pixel);
        }
    }
    return row;
}

// The whole-pixel kernels, unturned, against the portable ones on rows of every length up to 40
// whose source, canvas and cover marks end where the span ends (the last few pixels are read in
// masked lanes, nothing past them).
TEST(CompositorKernels, Avx2WholePixelKernelsDrawThePixelsOfThePortableKernels) {
    if (!kernelFeatures().avx2)
        GTEST_SKIP() << "the processor has no AVX2, or it is switched off";
    struct Pair {
        const char* name;
        SpanKernel portable, vector;
        bool premultiplied;
    };
    const Pair pairs[] = {{"copy", copySpan, copySpanAvx2, false},
                          {"kept samples", blendSpan, blendSpanAvx2, true}};
    Random random(20261210);
    for (const Pair& pair : pairs)
        for (int round = 0; round < 20; ++round)
            for (int count = 0; count <= 40; ++count) {
                const std::vector<Argb> source = sourceRow(random, count, pair.premultiplied);
                std::vector<Argb> expected(static_cast<std::size_t>(count));
                for (Argb& p : expected)
                    p = static_cast<Argb>(random()) | 0xff000000u;
                std::vector<std::uint8_t> cover(static_cast<std::size_t>(count));
                for (std::uint8_t& level : cover)
                    level = static_cast<std::uint8_t>(between(random, 0, 3));
                std::vector<Argb> canvas = expected;
                SpanJob job;
                job.pixels = source.data();
                job.stride = count;
                job.stepX = kFixedOne;
                job.count = count;
                job.cover = cover.data();
                job.level = 1;
                job.out = expected.data();
                pair.portable(job);
                job.out = canvas.data();
                pair.vector(job);
                ASSERT_EQ(canvas, expected) << pair.name << ", count " << count;
            }
}
#endif

TEST(CompositorKernels, PremultipliedRowsMatchPremultiplyingEachPixel) {
    // Every alpha with random colours, in rows of every length up to 40 at odd offsets.
    Random random(99);
    std::vector<Argb> straight(256 * 8);
    for (std::size_t n = 0; n < straight.size(); ++n)
        straight[n] = (static_cast<Argb>(n % 256) << 24) | (static_cast<Argb>(random()) >> 8);
    for (int count = 0; count <= 40; ++count) {
        const int offset = (count * 37) % 1000;
        std::vector<Argb> row(static_cast<std::size_t>(count) + 1, 0x12345678u);
        premultiplyRow(straight.data() + offset, count, row.data());
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(row[static_cast<std::size_t>(i)],
                      premultiply(straight[static_cast<std::size_t>(offset + i)]))
                << "count " << count << ", pixel " << i;
        EXPECT_EQ(row.back(), 0x12345678u) << "count " << count;
    }
    std::vector<Argb> all(straight.size());
    premultiplyRow(straight.data(), static_cast<int>(straight.size()), all.data());
    for (std::size_t n = 0; n < all.size(); ++n)
        ASSERT_EQ(all[n], premultiply(straight[n])) << "pixel " << n;
}

}  // namespace
}  // namespace kelvaro::test
