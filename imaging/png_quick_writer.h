// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A PNG writer for bulk output, where encoding is most of the work. Libpng's writer behind Qt
// tries all five row filters on every row and keeps the cheapest, which on a face sheet costs more
// than deflating; the drawn faces, with their large flat areas, come out smaller unfiltered. So
// every row is left unfiltered and deflated by libdeflate at its fastest level, which takes about
// half of zlib's time at zlib's fastest level for a smaller stream.
#pragma once

#include <optional>
#include <string>

#include "imaging/export.h"

namespace kelvaro {

// The image as a PNG with the chunks Qt's writer gives it (IHDR, pHYs at 96 dpi, IDAT, IEND):
// 8-bit RGB when opaque, 8-bit RGBA with straight alpha otherwise. Nothing for an empty image or
// when compressing fails.
std::optional<std::string> quickPngBytes(const PortraitImage& image);

}  // namespace kelvaro
