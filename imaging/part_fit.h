// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Pictures made into part images: scaled to fit the 230x230 part square with their proportions
// kept, centred on transparency, and encoded as the PNG files of the part library.
#pragma once

#include <QImage>
#include <QSize>
#include <optional>
#include <string>

#include "imaging/export.h"

namespace kelvaro {

// The size a picture of `picture` pixels takes inside the part square: its longer side
// kPartSize, the shorter one in proportion, rounded to the nearest pixel and at least 1. Pictures
// smaller than the square are scaled up as larger ones are scaled down.
QSize fittedSize(QSize picture);

// `picture` scaled smoothly to fittedSize and centred in a kPartSize square: its top left corner
// at ((230 - width) / 2, (230 - height) / 2), rounded down. It is scaled in premultiplied alpha,
// so transparent pixels lend no colour to their neighbours; the result has straight alpha, and
// every pixel of alpha 0 (the rest of the square among them) is 0. A transparent image when the
// picture is null or there is no memory to scale it.
PortraitImage fittedPart(const QImage& picture);

// A part image of kPartSize square with every pixel 0.
PortraitImage transparentPart();

// `part` as the bytes of a part file: 8-bit RGBA PNG with straight alpha; nothing when encoding
// fails.
std::optional<std::string> partFileBytes(const PortraitImage& part);

}  // namespace kelvaro
