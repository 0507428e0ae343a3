// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/picture_header.h"

#include <QImageReader>
#include <array>
#include <cstdint>

#include "imaging/codec.h"

namespace kelvaro {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr int kIhdrEnd = 8 + 8 + 13;  // signature, IHDR length and type, IHDR data

// The bit depths PNG allows for colour type 0, 1 (none), 2, 3, 4, 5 (none) and 6, as bit masks.
constexpr std::array<unsigned, 7> kAllowedDepths = {
    1u << 1 | 1u << 2 | 1u << 4 | 1u << 8 | 1u << 16,  // grey
    0,
    1u << 8 | 1u << 16,                     // RGB
    1u << 1 | 1u << 2 | 1u << 4 | 1u << 8,  // palette
    1u << 8 | 1u << 16,                     // grey and alpha
    0,
    1u << 8 | 1u << 16,  // RGBA
};

std::uint32_t bigEndianAt(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

bool startsWithPngSignature(const QByteArray& bytes) {
    if (bytes.size() < static_cast<qsizetype>(kPngSignature.size()))
        return false;
    for (std::size_t i = 0; i < kPngSignature.size(); ++i) {
        if (static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(i)]) != kPngSignature[i])
            return false;
    }
    return true;
}

bool withinDecodeLimits(std::int64_t width, std::int64_t height) {
    constexpr std::int64_t kMostBytes = std::int64_t{kDecodeAllocationLimitMiB} << 20;
    return width > 0 && height > 0 && width <= kDecodeSideLimit && height <= kDecodeSideLimit &&
           width * height * 4 <= kMostBytes;
}

PictureHeader pngHeader(const QByteArray& bytes) {
    PictureHeader header;
    if (bytes.size() < kIhdrEnd || bigEndianAt(bytes, 8) != 13 || bytes.mid(12, 4) != "IHDR")
        return header;
    const std::uint32_t width = bigEndianAt(bytes, 16);
    const std::uint32_t height = bigEndianAt(bytes, 20);
    const auto depth = static_cast<std::uint8_t>(bytes[24]);
    const auto colourType = static_cast<std::uint8_t>(bytes[25]);
    const bool depthAllowed = colourType < kAllowedDepths.size() && depth <= 16 &&
                              (kAllowedDepths[colourType] >> depth & 1u);
    if (!depthAllowed || !withinDecodeLimits(width, height))
        return header;
    return {PictureHeader::Kind::Png, static_cast<int>(width), static_cast<int>(height), "png"};
}

PictureHeader otherHeader(QIODevice& device) {
    QImageReader reader(&device);
    reader.setAllocationLimit(kDecodeAllocationLimitMiB);
    PictureHeader header;
    if (!reader.canRead())
        return header;
    const std::string format = reader.format().toStdString();
    QSize size = reader.size();
    if (!size.isValid())
        size = reader.read().size();  // a format that tells its size only by decoding
    if (!size.isValid() || !withinDecodeLimits(size.width(), size.height()))
        return header;
    return {PictureHeader::Kind::OtherFormat, size.width(), size.height(), format};
}

}  // namespace

PictureHeader readPictureHeader(QIODevice& device) {
    const QByteArray start = device.peek(kIhdrEnd);
    if (startsWithPngSignature(start))
        return pngHeader(start);
    return otherHeader(device);
}

}  // namespace kelvaro
