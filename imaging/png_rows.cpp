// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/png_rows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "imaging/kernel_choice.h"

namespace kelvaro {
namespace {

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

bool vectorKernels() {
    return kernelFeatures().avx2;
}

#ifndef KELVARO_X86
// Elsewhere the portable code is all there is (and kernelFeatures() never offers AVX2).
constexpr auto unfilterRowAvx2 = unfilterRowPortable;
constexpr auto convertRgbaRowAvx2 = convertRgbaRowPortable;
constexpr auto convertRgbRowAvx2 = convertRgbRowPortable;
#endif

void unfilterSub(std::uint8_t* row, std::size_t length, std::size_t bpp) {
    for (std::size_t i = bpp; i < length; ++i)
        row[i] = std::uint8_t(row[i] + row[i - bpp]);
}

void unfilterUp(std::uint8_t* row, const std::uint8_t* previous, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        row[i] = std::uint8_t(row[i] + previous[i]);
}

void unfilterAverage(std::uint8_t* row, const std::uint8_t* previous, std::size_t length,
                     std::size_t bpp) {
    const std::size_t first = std::min(bpp, length);
    for (std::size_t i = 0; i < first; ++i)
        row[i] = std::uint8_t(row[i] + (previous[i] >> 1));
    for (std::size_t i = bpp; i < length; ++i)
        row[i] = std::uint8_t(row[i] + ((row[i - bpp] + previous[i]) >> 1));
}

void unfilterPaeth(std::uint8_t* row, const std::uint8_t* previous, std::size_t length,
                   std::size_t bpp) {
    const std::size_t first = std::min(bpp, length);
    for (std::size_t i = 0; i < first; ++i)
        row[i] = std::uint8_t(row[i] + previous[i]);  // Paeth of (0, up, 0) is up
    for (std::size_t i = bpp; i < length; ++i)
        row[i] = std::uint8_t(row[i] + paeth(row[i - bpp], previous[i], previous[i - bpp]));
}

}  // namespace

bool unfilterRowPortable(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous,
                         std::size_t length, std::size_t bpp) {
    switch (filter) {
        case 0:
            return true;
        case 1:
            unfilterSub(row, length, bpp);
            return true;
        case 2:
            unfilterUp(row, previous, length);
            return true;
        case 3:
            unfilterAverage(row, previous, length, bpp);
            return true;
        case 4:
            unfilterPaeth(row, previous, length, bpp);
            return true;
        default:
            return false;
    }
}

bool convertRgbaRowPortable(const std::uint8_t* in, Argb* out, int width) {
    std::uint32_t seen = 0;
    for (int x = 0; x < width; ++x) {
        std::uint32_t v;
        std::memcpy(&v, in + 4 * x, sizeof v);  // bytes R G B A: 0xAABBGGRR
        out[x] = (v & 0xff00ff00u) | ((v >> 16) & 0xffu) | ((v & 0xffu) << 16);
        seen |= v;
    }
    return seen != 0;
}

bool convertRgbRowPortable(const std::uint8_t* in, Argb* out, int width) {
    for (int x = 0; x < width; ++x, in += 3)
        out[x] = makeArgb(0xffu, in[0], in[1], in[2]);
    return width > 0;
}

bool unfilterRow(std::uint8_t filter, std::uint8_t* row, const std::uint8_t* previous,
                 std::size_t length, std::size_t bpp) {
    return (vectorKernels() ? unfilterRowAvx2 : unfilterRowPortable)(filter, row, previous, length,
                                                                     bpp);
}

bool convertRgbaRow(const std::uint8_t* in, Argb* out, int width) {
    return (vectorKernels() ? convertRgbaRowAvx2 : convertRgbaRowPortable)(in, out, width);
}

bool convertRgbRow(const std::uint8_t* in, Argb* out, int width) {
    return (vectorKernels() ? convertRgbRowAvx2 : convertRgbRowPortable)(in, out, width);
}

}  // namespace kelvaro
