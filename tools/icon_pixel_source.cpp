// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tools/icon_pixel_source.h"

#include <QImage>
#include <cstdio>

#include "ui/icons.h"

namespace kelvaro {
namespace {

constexpr int kPixelsPerLine = 8;

std::string arrayName(int size) {
    return "kPixels" + std::to_string(size);
}

// One array of the image's pixels, kPixelsPerLine a line, as hexadecimal QRgb values.
std::string pixelArray(int size) {
    const QImage image = iconImage(kApplicationIcon, size);
    std::string text = "alignas(16) constexpr std::uint32_t " + arrayName(size) + "[] = {";
    char pixel[16];
    int written = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++written) {
            text += written % kPixelsPerLine == 0 ? "\n    " : " ";
            std::snprintf(pixel, sizeof pixel, "0x%08xu,", row[x]);
            text += pixel;
        }
    }
    return text + "\n};\n\n";
}

std::string pixelTable() {
    std::string text =
        "}  // namespace\n\nconst std::array<IconPixels, kApplicationIconSizes.size()> "
        "kBuiltInIconPixels = {{\n";
    for (int size : kApplicationIconSizes)
        text += "    {" + std::to_string(size) + ", " + arrayName(size) + "},\n";
    return text + "}};\n\n}  // namespace kelvaro\n";
}

}  // namespace

std::string applicationIconSource() {
    std::string text =
        "// Written by kelvaro-make-icons --pixels at build time: the application icon's images\n"
        "// as ui/icons.cpp draws them. Not to be edited.\n"
        "#include <cstdint>\n\n#include \"app/built_in_icon.h\"\n\nnamespace kelvaro {\n"
        "namespace {\n\n";
    for (int size : kApplicationIconSizes)
        text += pixelArray(size);
    return text + pixelTable();
}

}  // namespace kelvaro
