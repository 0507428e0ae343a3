// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Pixel buffers shared by the whole image pipeline.
//
// Every pixel is a 32-bit 0xAARRGGBB value; in memory its bytes run blue, green, red, alpha
// (little-endian), which is the layout the part files are decoded to.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace kelvaro {

using Argb = std::uint32_t;

// Part images are square, 230 pixels on a side.
inline constexpr int kPartSize = 230;
inline constexpr int kPartPixelCount = kPartSize * kPartSize;

// The canvas the portrait is composed on, 192 pixels on a side.
inline constexpr int kCanvasSize = 192;
inline constexpr int kCanvasPixelCount = kCanvasSize * kCanvasSize;

// One 230x230 part image, straight (not premultiplied) alpha, rows top to bottom without gaps.
using PartPixels = std::array<Argb, kPartPixelCount>;

// The 192x192 canvas, premultiplied alpha, rows top to bottom without gaps.
using CanvasPixels = std::array<Argb, kCanvasPixelCount>;

inline std::unique_ptr<PartPixels> makePartPixels() {
    return std::make_unique<PartPixels>();
}
inline std::unique_ptr<CanvasPixels> makeCanvasPixels() {
    return std::make_unique<CanvasPixels>();
}

constexpr std::uint32_t alphaOf(Argb p) {
    return p >> 24;
}
constexpr std::uint32_t redOf(Argb p) {
    return (p >> 16) & 0xffu;
}
constexpr std::uint32_t greenOf(Argb p) {
    return (p >> 8) & 0xffu;
}
constexpr std::uint32_t blueOf(Argb p) {
    return p & 0xffu;
}
constexpr Argb makeArgb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace kelvaro
