// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/part_fit.h"

#include <algorithm>
#include <cstring>

#include "imaging/png_quick_writer.h"

namespace kelvaro {
namespace {

// `shorter` * kPartSize / `longer`, rounded to the nearest pixel, at least 1.
int scaledSide(qint64 shorter, qint64 longer) {
    return static_cast<int>(std::max<qint64>(1, (shorter * kPartSize + longer / 2) / longer));
}

// Straight alpha, and colour 0 where alpha is 0.
Argb cleanPixel(Argb pixel) {
    return alphaOf(pixel) == 0 ? 0 : pixel;
}

}  // namespace

QSize fittedSize(QSize picture) {
    const int width = std::max(picture.width(), 1);
    const int height = std::max(picture.height(), 1);
    if (width >= height)
        return {kPartSize, scaledSide(height, width)};
    return {scaledSide(width, height), kPartSize};
}

PortraitImage fittedPart(const QImage& picture) {
    PortraitImage part = transparentPart();
    if (picture.isNull())
        return part;
    const QSize size = fittedSize(picture.size());
    const QImage scaled = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    if (scaled.size() != size)
        return part;  // no memory for the scaled picture
    const int left = (kPartSize - size.width()) / 2;
    const int top = (kPartSize - size.height()) / 2;
    for (int y = 0; y < size.height(); ++y) {
        const auto* row = reinterpret_cast<const Argb*>(scaled.constScanLine(y));
        Argb* out = part.pixels.data() + static_cast<std::size_t>(top + y) * kPartSize + left;
        std::transform(row, row + size.width(), out, cleanPixel);
    }
    return part;
}

PortraitImage transparentPart() {
    return emptySheet(kPartSize, kPartSize);
}

std::optional<std::string> partFileBytes(const PortraitImage& part) {
    return quickPngBytes(part);
}

}  // namespace kelvaro
