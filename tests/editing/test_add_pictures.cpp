// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Pictures added as parts through the portrait's owner: the count follows, the first new part is
// chosen as one step of the history, and a refusal changes nothing.
#include <gtest/gtest.h>

#include <QUndoStack>

#include "model/part_library.h"
#include "tests/editing/opened_editor.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

constexpr Argb kPictureColour = 0xff3366cc;

TEST(AddPictures, TheFirstNewPartIsChosenAsOneStep) {
    const struct {
        const char* name;
        int pictures;
        bool broken;     // the last picture cannot be read
        int takenAbove;  // a part file already there this far above the highest; 0: none
        bool added;
        int chosenAbove;  // the part chosen, above the highest before
        int highestAbove;
        int problems;
    } rows[] = {
        {"one picture", 1, false, 0, true, 1, 1, 0},
        {"two pictures", 2, false, 0, true, 1, 2, 0},
        {"over a part above a gap", 2, false, 2, true, 1, 3, 1},
        {"a picture that cannot be read", 2, true, 0, false, 0, 0, 1},
    };
    for (const auto& row : rows) {
        OpenedEditor opened;
        PortraitEditor& editor = opened.editor;
        const int highest = editor.state().highestPart[kFace];
        const int before = editor.state().elementPart(kFace);
        if (row.takenAbove)
            writeSolidPart(partPath(opened.base, "face", highest + row.takenAbove), 0xff000000);
        std::vector<fs::path> pictures;
        for (int i = 0; i < row.pictures; ++i) {
            pictures.push_back(opened.folder.path() / ("p" + std::to_string(i) + ".png"));
            writeArgbPng(pictures.back(), 20, 40, [](int, int) { return kPictureColour; });
        }
        if (row.broken)
            opened.folder.writeFile(pictures.back().filename(), "broken");

        EXPECT_EQ(editor.addPictures(pictures), row.added) << row.name;
        const PortraitState& state = editor.state();
        EXPECT_EQ(state.highestPart[kFace], highest + row.highestAbove) << row.name;
        const int chosen = row.added ? highest + row.chosenAbove : before;
        EXPECT_EQ(state.elementPart(kFace), chosen) << row.name;
        EXPECT_EQ(state.layer(kFace).loadedPart, chosen) << row.name;
        EXPECT_EQ(opened.problems.size(), row.problems) << row.name;
        EXPECT_EQ(editor.history().count(), row.added ? 1 : 0) << row.name;
        if (!row.added)
            continue;
        EXPECT_EQ((*state.layer(kFace).loaded)[115 * kPartSize + 115], kPictureColour) << row.name;
        editor.undo();
        EXPECT_EQ(state.elementPart(kFace), before) << row.name;
        EXPECT_EQ(state.highestPart[kFace], highest + row.highestAbove) << row.name;
        EXPECT_TRUE(fs::exists(partPath(opened.base, "face", chosen))) << row.name;
    }
}

}  // namespace
}  // namespace kelvaro::test
