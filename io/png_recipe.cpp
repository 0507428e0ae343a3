// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/png_recipe.h"

#include <libdeflate.h>

#include <cstdint>

namespace kelvaro {
namespace {

constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
constexpr std::size_t kChunkOverhead = 12;  // length, type and CRC
constexpr std::uint32_t kLargestChunk = 0x7fffffffu;

std::uint32_t readBigEndian(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void appendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xffu);
}

struct Chunk {
    std::size_t offset;  // of its length field
    std::string_view type;
    std::string_view data;
    std::uint32_t crc;
};

// Calls `visit(chunk)` for each chunk in order until it returns true; false when the sequence
// breaks (a length past the end) before that.
template <typename Visit>
bool forEachChunk(std::string_view png, Visit visit) {
    if (!hasPngSignature(png))
        return false;
    std::size_t at = kSignature.size();
    while (png.size() - at >= kChunkOverhead) {
        const std::uint32_t length = readBigEndian(png, at);
        if (length > kLargestChunk || length > png.size() - at - kChunkOverhead)
            return false;
        const Chunk chunk{at, png.substr(at + 4, 4), png.substr(at + 8, length),
                          readBigEndian(png, at + 8 + length)};
        if (visit(chunk))
            return true;
        at += kChunkOverhead + length;
    }
    return false;
}

bool crcMatches(const Chunk& chunk, std::string_view png) {
    return pngCrc(png.substr(chunk.offset + 4, 4 + chunk.data.size())) == chunk.crc;
}

// The text of an uncompressed iTXt chunk for `keyword`.
std::optional<std::string> iTxtText(std::string_view data, std::string_view keyword) {
    if (data.size() < keyword.size() + 3 || data.substr(0, keyword.size()) != keyword)
        return std::nullopt;
    std::size_t at = keyword.size();
    if (data[at] != '\0' || data[at + 1] != '\0')  // end of keyword, not compressed
        return std::nullopt;
    at += 3;                                   // the compression method byte follows the flag
    for (int field = 0; field < 2; ++field) {  // language tag, translated keyword
        const std::size_t end = data.find('\0', at);
        if (end == std::string_view::npos)
            return std::nullopt;
        at = end + 1;
    }
    return std::string(data.substr(at));
}

}  // namespace

bool hasPngSignature(std::string_view bytes) {
    return bytes.substr(0, kSignature.size()) == kSignature;
}

unsigned pngCrc(std::string_view bytes) {
    return libdeflate_crc32(0, bytes.data(), bytes.size());
}

std::optional<std::string> withTextChunk(std::string_view png, std::string_view keyword,
                                         std::string_view text) {
    std::optional<std::size_t> iend;
    forEachChunk(png, [&](const Chunk& chunk) {
        if (chunk.type == "IEND")
            iend = chunk.offset;
        return iend.has_value();
    });
    std::string body = "iTXt";
    body.append(keyword);
    body.append(std::string_view("\0\0\0\0\0", 5));  // flag, method, empty tag and keyword
    body.append(text);
    if (!iend || body.size() - 4 > kLargestChunk)
        return std::nullopt;
    std::string out(png.substr(0, *iend));
    appendBigEndian(out, static_cast<std::uint32_t>(body.size() - 4));
    out += body;
    appendBigEndian(out, pngCrc(body));
    out.append(png.substr(*iend));
    return out;
}

std::optional<std::string> readTextChunk(std::string_view png, std::string_view keyword) {
    std::optional<std::string> text;
    forEachChunk(png, [&](const Chunk& chunk) {
        if (chunk.type == "iTXt" && crcMatches(chunk, png))
            text = iTxtText(chunk.data, keyword);
        return text.has_value();
    });
    return text;
}

}  // namespace kelvaro
