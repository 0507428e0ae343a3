// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/export.h"

#include <array>

namespace kelvaro {
namespace {

// Edge length by size choice; values past the table give the last entry.
constexpr std::array<int, 3> kEdgeLengths{48, 96, 192};

struct FormatInfo {
    ExportFormat format;
    const char* mimeType;
};
constexpr std::array<FormatInfo, 2> kFormats{{
    {ExportFormat::Png, "image/png"},
    {ExportFormat::Bmp, "image/bmp"},
}};

}  // namespace

int exportEdgeLength(int sizeChoice) {
    if (sizeChoice < 0 || sizeChoice >= static_cast<int>(kEdgeLengths.size()))
        return kEdgeLengths.back();
    return kEdgeLengths[static_cast<std::size_t>(sizeChoice)];
}

std::string extensionOf(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

ExportFormat exportFormatFor(const std::filesystem::path& file) {
    return extensionOf(file) == "png" ? ExportFormat::Png : ExportFormat::Bmp;
}

const char* mimeTypeOf(ExportFormat format) {
    for (const FormatInfo& info : kFormats) {
        if (info.format == format)
            return info.mimeType;
    }
    return kFormats.back().mimeType;
}

void captureOpaque(const CanvasPixels& canvas, CanvasPixels& capture) {
    for (std::size_t i = 0; i < canvas.size(); ++i)
        capture[i] = exportedPixel(canvas[i]);
}

}  // namespace kelvaro
