// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Face sheets of a character: each cell is the face's own export at that size, pixel for pixel,
// in reading order, base first; cells without a face stay transparent.
#include <gtest/gtest.h>

#include "model/expression_ops.h"
#include "model/face_files.h"
#include "model/face_sheet.h"
#include "model/part_preview.h"
#include "model/portrait_ops.h"
#include "tests/model/library_portrait.h"

namespace kelvaro {
namespace {

// The part of `sheet` covering `edge` x `edge` pixels from `left`, `top`.
std::vector<Argb> cellOf(const PortraitImage& sheet, int left, int top, int edge) {
    std::vector<Argb> pixels;
    for (int y = top; y < top + edge; ++y) {
        const auto row = sheet.pixels.begin() + y * sheet.width;
        pixels.insert(pixels.end(), row + left, row + left + edge);
    }
    return pixels;
}

TEST(FaceSheet, EachCellIsTheFacesOwnExportAtThatSize) {
    auto state = test::openedPortrait();
    PortraitDocument document = capture(*state);
    addExpression(document.expressions, "Radość");
    document.expressions.expressions[0].overrides[kEyes] = ElementOverride{1, 3, -2, 10};
    addExpression(document.expressions, "Sen");
    document.expressions.expressions[1].overrides[kMouth] = ElementOverride{2, 0, 0, 0};
    document.expressions.edited = 0;

    for (const char* name : {"mz", "vxace", "rm2000"}) {
        const SheetLayout layout = *sheetLayoutNamed(name);
        for (Backdrop backdrop : {Backdrop::Opaque, Backdrop::Transparent}) {
            SCOPED_TRACE(std::string(name) + (backdrop == Backdrop::Opaque ? " opaque" : " clear"));
            PartPreview preview(test::libraryBase(), nullptr);
            const PortraitImage sheet = faceSheet(document, preview, layout, backdrop);
            ASSERT_EQ(sheet.width, layout.columns * layout.cell);
            ASSERT_EQ(sheet.height, layout.rows * layout.cell);
            for (int face = 0; face < layout.cells(); ++face) {
                const CellPlace place = cellPlace(layout, layout.cell, face);
                const auto cell = cellOf(sheet, place.left, place.top, layout.cell);
                if (face >= 3) {
                    EXPECT_EQ(cell, std::vector<Argb>(cell.size(), 0u)) << face;
                    continue;
                }
                PortraitDocument shown = document;
                shown.expressions.edited = face;
                auto alone = test::openedPortrait();
                apply(shown, *alone, {});
                auto canvas = makeCanvasPixels();
                backdrop == Backdrop::Opaque ? composePortrait(*alone, *canvas)
                                             : composeLayers(*alone, *canvas);
                EXPECT_EQ(cell, scaledPortrait(*canvas, layout.cell, backdrop).pixels) << face;
            }
        }
    }
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

TEST(FaceFiles, EachFaceIsNamedAfterItSafelyAndOnce) {
    const std::string longName(150, 'a');
    const std::string cut(199, 'x');  // then "ś" would take bytes 200 and 201: it goes whole
    struct Row {
        std::string name;
        std::string file;
    };
    const Row rows[] = {
        {"Radość", "Radość.png"},
        {"a/b", "a_b.png"},
        {" tab\tka ", "tab_ka.png"},
        {"..", "Mina.png"},
        {"   ", "Mina (2).png"},
        {"Radość", "Radość (2).png"},
        {"Neutralna", "Neutralna (2).png"},
        {longName + longName, std::string(200, 'a') + ".png"},
        {cut + "ść", cut + ".png"},
    };
    ExpressionSet set;
    for (const Row& row : rows)
        set.expressions.push_back({row.name, {}});
    const auto names = faceFileNames(set);
    ASSERT_EQ(names.size(), std::size(rows) + 1);
    EXPECT_EQ(names[0], "Neutralna.png");
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(names[i + 1], rows[i].file) << rows[i].name;
}

}  // namespace
}  // namespace kelvaro
