// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A character's faces as pictures: the base and each expression of a portrait, each the picture
// "Zapisz" would write at that size, and laid out as a game's face sheet.
#pragma once

#include <filesystem>
#include <vector>

#include "imaging/export.h"
#include "model/portrait_document.h"
#include "model/sheet_layouts.h"

namespace kelvaro {

class PartCache;

// The faces of `document` (the base first, then each expression in order, at most `count`),
// each composed from the library below `base` (parts through `cache`) and scaled to `edge` as
// the export scales it.
std::vector<PortraitImage> facePictures(const PortraitDocument& document,
                                        const std::filesystem::path& base, PartCache* cache,
                                        int edge, Backdrop backdrop, int count = kMaxFaces);

// The face sheet of `document` in `layout` (a layout with its own cell size), cells in reading
// order, empty cells transparent.
PortraitImage faceSheet(const PortraitDocument& document, const std::filesystem::path& base,
                        PartCache* cache, const SheetLayout& layout, Backdrop backdrop);

}  // namespace kelvaro
