// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A character's faces as pictures: the base and each expression of a portrait, each the picture
// "Zapisz" would write at that size, and laid out as a game's face sheet.
#pragma once

#include <vector>

#include "imaging/export.h"
#include "model/portrait_document.h"
#include "model/sheet_layouts.h"

namespace kelvaro {

class PartPreview;

// The faces of `document` (the base first, then each expression in order, at most `count`),
// each composed by `preview` (a portrait of its own on the document's library, kept between
// calls so that only what differs is loaded and rebuilt) and scaled to `edge` as the export
// scales it.
std::vector<PortraitImage> facePictures(const PortraitDocument& document, PartPreview& preview,
                                        int edge, Backdrop backdrop, int count = kMaxFaces);

// The face sheet of `document` in `layout` (a layout with its own cell size), cells in reading
// order, empty cells transparent.
PortraitImage faceSheet(const PortraitDocument& document, PartPreview& preview,
                        const SheetLayout& layout, Backdrop backdrop);

}  // namespace kelvaro
