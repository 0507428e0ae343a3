// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/built_in_icon.h"

namespace kelvaro {

std::vector<QImage> builtInApplicationIconImages(std::size_t from, std::size_t to) {
    std::vector<QImage> images;
    for (std::size_t i = from; i < to; ++i) {
        const IconPixels& icon = kBuiltInIconPixels[i];
        images.emplace_back(reinterpret_cast<const uchar*>(icon.pixels), icon.size, icon.size,
                            icon.size * qsizetype{sizeof(std::uint32_t)},
                            QImage::Format_ARGB32_Premultiplied);
    }
    return images;
}

}  // namespace kelvaro
