// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The PNG row kernels on their own: the vector unfilter and conversions against the portable
// ones, byte for byte, over every filter, both pixel sizes and widths below, at and above a
// vector step; rows of random bytes and rows of few values (where the Paeth predictor ties).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "imaging/kernel_choice.h"
#include "imaging/png_rows.h"

namespace kelvaro::test {
namespace {

#ifdef KELVARO_X86
constexpr int kWidths[] = {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 15, 16, 17, 31, 33, 230};
constexpr std::uint8_t kGuard = 0xa5;

// `length` bytes followed by guard bytes standing for the slack; `spread` 256 for any byte, less
// for rows of few values.
std::vector<std::uint8_t> randomRow(std::mt19937& random, std::size_t length, unsigned spread) {
    std::vector<std::uint8_t> row(length + kUnfilterSlack, kGuard);
    for (std::size_t i = 0; i < length; ++i)
        row[i] = static_cast<std::uint8_t>(random() % spread);
    return row;
}

TEST(PngRows, VectorUnfilterGivesThePortableBytes) {
    if (!kernelFeatures().avx2)
        GTEST_SKIP() << "the processor has no AVX2, or it is switched off";
    std::mt19937 random(20261210);
    for (const std::size_t bpp : {std::size_t{3}, std::size_t{4}}) {
        for (const int width : kWidths) {
            for (const unsigned spread : {256u, 3u}) {
                const std::size_t length = bpp * static_cast<std::size_t>(width);
                const auto previous = randomRow(random, length, spread);
                const auto raw = randomRow(random, length, spread);
                for (std::uint8_t filter = 0; filter <= 5; ++filter) {
                    SCOPED_TRACE("bpp " + std::to_string(bpp) + ", width " + std::to_string(width) +
                                 ", spread " + std::to_string(spread) + ", filter " +
                                 std::to_string(filter));
                    auto portable = raw;
                    auto vector = raw;
                    const bool known =
                        unfilterRowPortable(filter, portable.data(), previous.data(), length, bpp);
                    EXPECT_EQ(unfilterRowAvx2(filter, vector.data(), previous.data(), length, bpp),
                              known);
                    EXPECT_EQ(known, filter <= 4);
                    EXPECT_EQ(vector, portable);  // the guard bytes after the row as well
                    EXPECT_EQ(portable[length], kGuard);
                }
            }
        }
    }
}

TEST(PngRows, ConversionsTellWhetherARowHoldsAPixelThatIsNotZero) {
    using Convert = bool (*)(const std::uint8_t*, Argb*, int);
    std::vector<std::pair<const char*, Convert>> kernels{{"portable", convertRgbaRowPortable}};
    if (kernelFeatures().avx2)
        kernels.emplace_back("vector", convertRgbaRowAvx2);
    const struct {
        int width;
        int byte;  // the one byte that is not 0 (bytes R G B A a pixel); -1: none
        bool seen;
    } rows[] = {
        {230, -1, false}, {230, 0, true},   {230, 3, true}, {230, 919, true},  // first, last
        {230, 916, true}, {230, 512, true}, {9, 35, true},  {9, 32, true},     // 9: overlap
        {9, 4, true},     {9, -1, false},   {7, 27, true},  {7, -1, false},    // 7: portable
        {8, 31, true},    {8, 0, true},     {1, 2, true},   {1, -1, false},
        {0, -1, false},   {17, 64, true},   {16, 63, true}, {24, 95, true},
    };
    for (const auto& [name, convert] : kernels) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(name) + ", width " + std::to_string(row.width) + ", byte " +
                         std::to_string(row.byte));
            // The bytes after the row are not 0 and must not count.
            std::vector<std::uint8_t> in(std::size_t(row.width) * 4 + 32, 0xff);
            std::fill_n(in.begin(), row.width * 4, std::uint8_t{0});
            if (row.byte >= 0)
                in[std::size_t(row.byte)] = 0x01;
            std::vector<Argb> out(std::size_t(row.width) + 1);
            EXPECT_EQ(convert(in.data(), out.data(), row.width), row.seen);
        }
    }
    // A row of RGB pixels is opaque throughout.
    const std::vector<std::uint8_t> black(3 * 230 + 16, 0);
    std::vector<Argb> out(230);
    EXPECT_TRUE(convertRgbRowPortable(black.data(), out.data(), 230));
    EXPECT_FALSE(convertRgbRowPortable(black.data(), out.data(), 0));
    if (kernelFeatures().avx2) {
        EXPECT_TRUE(convertRgbRowAvx2(black.data(), out.data(), 230));
        EXPECT_FALSE(convertRgbRowAvx2(black.data(), out.data(), 0));
    }
}

TEST(PngRows, VectorConversionsGiveThePortablePixels) {
    if (!kernelFeatures().avx2)
        GTEST_SKIP() << "the processor has no AVX2, or it is switched off";
    struct Conversion {
        const char* name;
        int bytes;
        bool (*portable)(const std::uint8_t*, Argb*, int);
        bool (*vector)(const std::uint8_t*, Argb*, int);
    };
    const Conversion conversions[] = {
        {"RGBA", 4, convertRgbaRowPortable, convertRgbaRowAvx2},
        {"RGB", 3, convertRgbRowPortable, convertRgbRowAvx2},
    };
    std::mt19937 random(7);
    for (const Conversion& c : conversions) {
        for (const int width : kWidths) {
            SCOPED_TRACE(std::string(c.name) + ", width " + std::to_string(width));
            const auto in = randomRow(random, std::size_t(width * c.bytes), 256);
            // One pixel more than the row, which neither may write.
            std::vector<Argb> portable(std::size_t(width) + 1, 0x5a5a5a5au);
            std::vector<Argb> vector = portable;
            EXPECT_EQ(c.vector(in.data(), vector.data(), width),
                      c.portable(in.data(), portable.data(), width));
            EXPECT_EQ(vector, portable);
            EXPECT_EQ(vector.back(), 0x5a5a5a5au);
        }
    }
}
#endif

}  // namespace
}  // namespace kelvaro::test
