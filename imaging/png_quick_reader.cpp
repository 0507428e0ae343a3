// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/png_quick_reader.h"

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "imaging/codec.h"
#include "imaging/png_rows.h"

namespace kelvaro {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::size_t kChunkOverhead = 12;  // length, type and checksum

// Ancillary chunks that never change the pixels Qt's reader gives; any other chunk sends the file
// to the general decoder.
constexpr std::array<std::string_view, 5> kHarmlessChunks{"pHYs", "tEXt", "zTXt", "iTXt", "tIME"};

struct Header {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int channels = 0;  // 3: RGB, 4: RGBA
};

std::uint32_t bigEndian(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

// The header's values when they describe the simple kind within the decoder's limits.
std::optional<Header> simpleHeader(const std::uint8_t* data, std::uint32_t length) {
    if (length != 13)
        return std::nullopt;
    const Header header{bigEndian(data), bigEndian(data + 4), data[9] == 6 ? 4 : 3};
    const bool simpleKind = data[8] == 8 && (data[9] == 6 || data[9] == 2) && data[10] == 0 &&
                            data[11] == 0 && data[12] == 0;
    const std::uint64_t pixelBytes = std::uint64_t{header.width} * header.height * 4;
    if (!simpleKind || header.width == 0 || header.height == 0 || header.width > kDecodeSideLimit ||
        header.height > kDecodeSideLimit ||
        pixelBytes > (std::uint64_t{kDecodeAllocationLimitMiB} << 20))
        return std::nullopt;
    return header;
}

// The header and the image data (the IDAT chunks joined) of a well-formed simple file.
struct Layout {
    Header header;
    std::vector<std::uint8_t> compressed;
};

std::optional<Layout> readLayout(const std::uint8_t* bytes, std::size_t size) {
    if (size < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), bytes))
        return std::nullopt;
    std::optional<Layout> layout;
    std::size_t at = kSignature.size();
    bool dataSeen = false;
    bool dataEnded = false;
    while (size - at >= kChunkOverhead) {
        const std::uint32_t length = bigEndian(bytes + at);
        if (length > size - at - kChunkOverhead)
            return std::nullopt;
        const std::string_view type(reinterpret_cast<const char*>(bytes + at + 4), 4);
        const std::uint8_t* data = bytes + at + 8;
        const bool critical = (type[0] & 0x20) == 0;
        if (critical && libdeflate_crc32(0, bytes + at + 4, length + 4) != bigEndian(data + length))
            return std::nullopt;
        at += kChunkOverhead + length;
        if (type == "IHDR") {
            if (layout)
                return std::nullopt;
            const auto header = simpleHeader(data, length);
            if (!header)
                return std::nullopt;
            layout = Layout{*header, {}};
        } else if (!layout) {
            return std::nullopt;
        } else if (type == "IDAT") {
            if (dataEnded)
                return std::nullopt;
            dataSeen = true;
            layout->compressed.insert(layout->compressed.end(), data, data + length);
        } else if (type == "IEND") {
            return dataSeen ? layout : std::nullopt;
        } else if (std::find(kHarmlessChunks.begin(), kHarmlessChunks.end(), type) ==
                   kHarmlessChunks.end()) {
            return std::nullopt;
        } else {
            dataEnded = dataSeen;
        }
    }
    return std::nullopt;
}

// The inflated image data, every row's filter undone in place, in a buffer of the calling
// thread's (valid until its next call); null when the data is not exactly the rows the header
// declares or a row's filter is unknown.
const std::uint8_t* inflateRows(const Layout& layout) {
    const Header& h = layout.header;
    const std::size_t rowBytes = std::size_t{h.width} * std::size_t(h.channels);
    const std::size_t total = std::size_t{h.height} * (rowBytes + 1);
    // Never cleared: the inflater writes every byte of the rows and the kernels never read the
    // slack's values into a pixel.
    thread_local std::unique_ptr<std::uint8_t[]> rows;
    thread_local std::size_t rowsSize = 0;
    thread_local std::vector<std::uint8_t> zeros;
    // At least a whole part's rows at once: a smaller file first (the wall) then leaves the
    // buffer as large as the parts need, instead of its growing at the first part.
    constexpr std::size_t kPartRowBytes = std::size_t{kPartSize} * (std::size_t{kPartSize} * 4 + 1);
    if (rowsSize < total + kUnfilterSlack) {
        rowsSize = std::max(total, kPartRowBytes) + kUnfilterSlack;
        rows = std::make_unique_for_overwrite<std::uint8_t[]>(rowsSize);
    }
    if (zeros.size() < rowBytes + kUnfilterSlack)
        zeros.resize(rowBytes + kUnfilterSlack);
    thread_local const std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor*)>
        decompressor(libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    std::size_t produced = 0;
    if (!decompressor ||
        libdeflate_zlib_decompress(decompressor.get(), layout.compressed.data(),
                                   layout.compressed.size(), rows.get(), total,
                                   &produced) != LIBDEFLATE_SUCCESS ||
        produced != total)
        return nullptr;
    const std::uint8_t* previous = zeros.data();
    for (std::size_t y = 0; y < h.height; ++y) {
        std::uint8_t* row = rows.get() + y * (rowBytes + 1);
        if (!unfilterRow(row[0], row + 1, previous, rowBytes, std::size_t(h.channels)))
            return nullptr;
        previous = row + 1;
    }
    return rows.get();
}

}  // namespace

std::optional<SimplePngRows> decodeSimplePngRows(const std::uint8_t* bytes, std::size_t size) {
    const auto layout = readLayout(bytes, size);
    if (!layout)
        return std::nullopt;
    const std::uint8_t* rows = inflateRows(*layout);
    if (!rows)
        return std::nullopt;
    const Header& h = layout->header;
    return SimplePngRows{int(h.width), int(h.height), h.channels, rows};
}

bool SimplePngRows::convertRow(int y, int count, Argb* out) const {
    const std::size_t rowBytes = std::size_t(width) * std::size_t(m_channels);
    const std::uint8_t* in = m_rows + std::size_t(y) * (rowBytes + 1) + 1;
    return (m_channels == 4 ? convertRgbaRow : convertRgbRow)(in, out, count);
}

bool decodeSimplePng(const std::uint8_t* bytes, std::size_t size, PartPixels& out,
                     PixelBox* nonZero) {
    const auto rows = decodeSimplePngRows(bytes, size);
    if (!rows)
        return false;
    const int width = std::min(rows->width, kPartSize);
    const int height = std::min(rows->height, kPartSize);
    // The first and one past the last row holding a pixel that is not 0.
    int top = height;
    int bottom = 0;
    // Only what the file does not cover is cleared: most parts cover the whole image.
    for (int y = 0; y < height; ++y) {
        Argb* row = out.data() + y * kPartSize;
        if (rows->convertRow(y, width, row)) {
            top = std::min(top, y);
            bottom = y + 1;
        }
        std::fill(row + width, row + kPartSize, Argb{0});
    }
    std::fill(out.begin() + height * kPartSize, out.end(), Argb{0});
    // Rows and columns outside these are 0, so the box need only be looked for inside them.
    if (nonZero)
        *nonZero = top < bottom ? nonZeroBounds(out, {0, top, width, bottom}) : PixelBox{};
    return true;
}

}  // namespace kelvaro
