// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/sheet_layouts.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace kelvaro {
namespace {

constexpr std::array<SheetLayout, 4> kNamedLayouts = {{
    {"mz", 4, 2, 144, "RPG Maker MZ"},
    {"mv", 4, 2, 144, "RPG Maker MV"},
    {"vxace", 4, 2, 96, "RPG Maker VX Ace"},
    {"rm2000", 4, 4, 48, "RPG Maker 2000/2003"},
}};

constexpr int kMostCellsAcross = 64;

std::optional<int> countOf(std::string_view text) {
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < 1 ||
        count > kMostCellsAcross)
        return std::nullopt;
    return count;
}

}  // namespace

std::span<const SheetLayout> namedSheetLayouts() {
    return kNamedLayouts;
}

std::optional<SheetLayout> sheetLayoutNamed(std::string_view name) {
    for (const SheetLayout& layout : kNamedLayouts) {
        if (layout.name == name)
            return layout;
    }
    const auto cross = name.find('x');
    if (cross == std::string_view::npos)
        return std::nullopt;
    const auto columns = countOf(name.substr(0, cross));
    const auto rows = countOf(name.substr(cross + 1));
    if (!columns || !rows)
        return std::nullopt;
    return SheetLayout{name, *columns, *rows, 0, ""};
}

int cellEdge(const SheetLayout& layout, std::optional<int> size) {
    return layout.cell != 0 ? layout.cell : size.value_or(kDefaultSheetCell);
}

CellPlace cellPlace(const SheetLayout& layout, int cell, int index) {
    return {(index % layout.columns) * cell, (index / layout.columns) * cell};
}

PortraitImage composeSheet(const SheetLayout& layout, int cell,
                           std::span<const PortraitImage> faces) {
    PortraitImage sheet = emptySheet(layout.columns * cell, layout.rows * cell);
    const int count = std::min(static_cast<int>(faces.size()), layout.cells());
    for (int i = 0; i < count; ++i) {
        const CellPlace place = cellPlace(layout, cell, i);
        placeImage(faces[static_cast<std::size_t>(i)], sheet, place.left, place.top);
    }
    return sheet;
}

}  // namespace kelvaro
