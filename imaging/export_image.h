// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The exported picture before encoding: the canvas made opaque and scaled to an edge length by
// the export's own filter. "Zapisz" encodes exactly this image, and the gallery's cells and size
// previews show it, so that what they show is what is saved.
#pragma once

#include <QImage>

#include "imaging/export.h"
#include "imaging/pixels.h"

namespace kelvaro {

// The opaque capture of `canvas` as a 32-bit RGB image of `edge` x `edge` pixels, scaled
// smoothly; at 192 the canvas itself. With a transparent backdrop, the premultiplied canvas
// itself, scaled the same way (premultiplied, so no colour bleeds out of transparent pixels).
// A null image when there is no memory for it.
QImage exportedImage(const CanvasPixels& canvas, int edge, Backdrop backdrop = Backdrop::Opaque);

}  // namespace kelvaro
