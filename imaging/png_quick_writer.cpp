// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/png_quick_writer.h"

#include <libdeflate.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace kelvaro {
namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
constexpr std::uint8_t kRgb = 2;
constexpr std::uint8_t kRgba = 6;
constexpr std::uint8_t kUnfiltered = 0;
constexpr int kFastestLevel = 1;
// 96 dots per inch, as Qt records for an image it made itself.
constexpr std::uint32_t kDotsPerMetre = 3780;

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (const int shift : {24, 16, 8, 0})
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void appendChunk(std::string& out, std::string_view type, std::string_view data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.append(type);
    out.append(data);
    appendBigEndian(out, libdeflate_crc32(0, out.data() + typeAt, type.size() + data.size()));
}

// Buffers kept by each thread from one image to the next: a compressor and buffers of a sheet's
// size, made afresh, cost more in page faults than the deflating itself.
struct Scratch {
    std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor{
        libdeflate_alloc_compressor(kFastestLevel), &libdeflate_free_compressor};
    std::vector<std::uint8_t> scanlines;
    std::vector<char> deflated;
};

// The scanlines as PNG stores them before deflating: each row's filter byte, then its samples.
void writeScanlines(const PortraitImage& image, bool alpha, std::vector<std::uint8_t>& raw) {
    const std::size_t channels = alpha ? 4 : 3;
    const std::size_t rowBytes = 1 + channels * static_cast<std::size_t>(image.width);
    raw.resize(rowBytes * static_cast<std::size_t>(image.height));
    std::uint8_t* out = raw.data();
    const Argb* in = image.pixels.data();
    for (int y = 0; y < image.height; ++y) {
        *out++ = kUnfiltered;
        for (int x = 0; x < image.width; ++x, ++in) {
            *out++ = static_cast<std::uint8_t>(redOf(*in));
            *out++ = static_cast<std::uint8_t>(greenOf(*in));
            *out++ = static_cast<std::uint8_t>(blueOf(*in));
            if (alpha)
                *out++ = static_cast<std::uint8_t>(alphaOf(*in));
        }
    }
}

// The zlib stream of the scanlines; nothing when compressing fails.
std::optional<std::string_view> deflated(Scratch& scratch) {
    if (!scratch.compressor)
        return std::nullopt;
    const std::vector<std::uint8_t>& raw = scratch.scanlines;
    scratch.deflated.resize(libdeflate_zlib_compress_bound(scratch.compressor.get(), raw.size()));
    const std::size_t size =
        libdeflate_zlib_compress(scratch.compressor.get(), raw.data(), raw.size(),
                                 scratch.deflated.data(), scratch.deflated.size());
    if (size == 0)
        return std::nullopt;
    return std::string_view(scratch.deflated.data(), size);
}

}  // namespace

std::optional<std::string> quickPngBytes(const PortraitImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return std::nullopt;
    const bool alpha = image.backdrop == Backdrop::Transparent;
    thread_local Scratch scratch;
    writeScanlines(image, alpha, scratch.scanlines);
    const auto idat = deflated(scratch);
    if (!idat)
        return std::nullopt;

    std::string header;
    appendBigEndian(header, static_cast<std::uint32_t>(image.width));
    appendBigEndian(header, static_cast<std::uint32_t>(image.height));
    for (const std::uint8_t byte :
         {std::uint8_t{8}, alpha ? kRgba : kRgb, std::uint8_t{0}, std::uint8_t{0}, std::uint8_t{0}})
        header.push_back(static_cast<char>(byte));
    std::string density;
    appendBigEndian(density, kDotsPerMetre);
    appendBigEndian(density, kDotsPerMetre);
    density.push_back(1);  // the unit is the metre

    std::string png(kSignature);
    png.reserve(kSignature.size() + idat->size() + 64);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "pHYs", density);
    appendChunk(png, "IDAT", *idat);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace kelvaro
