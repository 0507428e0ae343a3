// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Face sheet layouts: the game engines' layouts, COLSxROWS, and cells in reading order.
#include <gtest/gtest.h>

#include "model/sheet_layouts.h"

namespace kelvaro {
namespace {

TEST(SheetLayouts, EngineLayoutsAndCellsLeftToRightTopToBottom) {
    struct Row {
        const char* name;
        int columns, rows, cell;
    };
    const Row rows[] = {{"mz", 4, 2, 144},    {"mv", 4, 2, 144}, {"vxace", 4, 2, 96},
                        {"rm2000", 4, 4, 48}, {"3x5", 3, 5, 0},  {"64x1", 64, 1, 0}};
    for (const Row& row : rows) {
        const auto layout = sheetLayoutNamed(row.name);
        ASSERT_TRUE(layout) << row.name;
        EXPECT_EQ(layout->columns, row.columns) << row.name;
        EXPECT_EQ(layout->rows, row.rows) << row.name;
        EXPECT_EQ(layout->cell, row.cell) << row.name;
    }
    for (const char* wrong : {"MZ", "x", "4x", "x4", "0x2", "65x1", "4x2x1", "4*2", ""})
        EXPECT_FALSE(sheetLayoutNamed(wrong)) << wrong;
    const auto mz = *sheetLayoutNamed("mz");
    const std::pair<int, CellPlace> places[] = {
        {0, {0, 0}}, {1, {144, 0}}, {3, {432, 0}}, {4, {0, 144}}, {7, {432, 144}}};
    for (const auto& [index, place] : places) {
        EXPECT_EQ(cellPlace(mz, 144, index).left, place.left) << index;
        EXPECT_EQ(cellPlace(mz, 144, index).top, place.top) << index;
    }
}

}  // namespace
}  // namespace kelvaro
