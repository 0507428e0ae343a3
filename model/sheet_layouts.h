// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Face sheet layouts: how many faces a sheet holds across and down, and the size of each face.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "imaging/export.h"

namespace kelvaro {

// The face size of a COLSxROWS sheet when --size does not give one: RPG Maker MZ's.
inline constexpr int kDefaultSheetCell = 144;

// The most pixels a sheet may have (4096x4096): its pixels, its encoding buffers and its faces
// then fit in well under a gigabyte of memory.
inline constexpr long long kMostSheetPixels = 4096LL * 4096;

struct SheetLayout {
    std::string_view name;  // as given to --sheet
    int columns = 0;
    int rows = 0;
    int cell = 0;  // edge length of one face; 0: chosen with --size
    std::string_view engine;

    int cells() const { return columns * rows; }
    // The sheet's pixel count with faces of `edge` pixels.
    long long pixels(int edge) const {
        return static_cast<long long>(columns) * edge * rows * edge;
    }
};

// The named layouts of game engines, in the order the help lists them.
std::span<const SheetLayout> namedSheetLayouts();

// The layout `name` stands for: a named one, or "COLSxROWS" (1 to 64 each) with no fixed cell.
std::optional<SheetLayout> sheetLayoutNamed(std::string_view name);

// The edge length of the sheet's faces: the layout's own, or `size` (kDefaultSheetCell without).
int cellEdge(const SheetLayout& layout, std::optional<int> size);

// Where cell `index` of a sheet begins: left to right, then top to bottom.
struct CellPlace {
    int left = 0;
    int top = 0;
};
CellPlace cellPlace(const SheetLayout& layout, int cell, int index);

// The sheet of `faces` (each `cell` pixels square, at most layout.cells()) in reading order; the
// cells after the last face stay transparent.
PortraitImage composeSheet(const SheetLayout& layout, int cell,
                           std::span<const PortraitImage> faces);

}  // namespace kelvaro
