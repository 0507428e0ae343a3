// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait's owner without any window: what each command announces (the windows redraw from
// it), when steps would be lost, what each step of the history holds, and how problems reach
// the user.
#include <gtest/gtest.h>
#include <QUndoStack>
#include <vector>

#include "editing/portrait_editor.h"
#include "editing/portrait_step.h"
#include "model/document_file.h"
#include "tests/editing/opened_editor.h"

namespace kelvaro::test {
namespace {

constexpr ChangeSet kPartsShown = ChangeSet(Change::Parts) | Change::Colours | Change::Picture;
constexpr ChangeSet kPlaced = ChangeSet(Change::Placement) | Change::Picture;
constexpr ChangeSet kRecoloured = ChangeSet(Change::Colours) | Change::Picture;
constexpr ChangeSet kDrawn = ChangeSet(Change::Parts) | Change::Picture;
const std::filesystem::path kBundledPalettes =
    std::filesystem::path(KELVARO_SOURCE_DIR) / "data/palettes";

constexpr ChangeSet kStepped = ChangeSet(Change::History) | Change::Document;

TEST(PortraitEditor, EachCommandAnnouncesWhatItChanged) {
    struct Row {
        const char* name;
        std::function<void(OpenedEditor&)> command;
        std::vector<ChangeSet> expected;
    };
    const std::vector<Row> rows = {
        {"next",
         [](OpenedEditor& o) { o.editor.nextPart(); },
         {Change::Parts, kPartsShown, Change::History}},
        {"chosen part",
         [](OpenedEditor& o) { o.editor.choosePart(2); },
         {Change::Parts, kPartsShown, Change::History}},
        {"generate",
         [](OpenedEditor& o) {
             o.editor.setClock([] { return std::time_t{5}; });
             o.editor.generate();
         },
         {kDrawn, Change::History}},
        {"reset", [](OpenedEditor& o) { o.editor.reset(); }, {kDrawn, Change::History}},
        {"move", [](OpenedEditor& o) { o.editor.moveRight(); }, {kPlaced, Change::History}},
        {"turn", [](OpenedEditor& o) { o.editor.rotateLeft(); }, {kPlaced, Change::History}},
        {"bar",
         [](OpenedEditor& o) {
             ControlValues read = o.controls();
             read.scroll.red = 100;
             o.editor.colourFromBars(kRedSetting, read);
         },
         {kRecoloured, Change::History}},
        {"element",
         [](OpenedEditor& o) {
             ControlValues read = o.controls();
             read.currentElement = kNose;
             o.editor.selectElement(read);
         },
         {ChangeSet(Change::Element) | Change::Colours}},
        {"preview size", [](OpenedEditor& o) { o.editor.chooseSize(2); }, {Change::Size}},
        {"swatch",
         [](OpenedEditor& o) {
             o.editor.applyColour({120, 40, 30});
         },
         {kRecoloured, Change::History}},
        {"link",
         [](OpenedEditor& o) { o.editor.linkColours(true); },
         {Change::Colours, Change::History}},
        {"drawn colours",
         [](OpenedEditor& o) {
             o.editor.setPaletteFolders(kBundledPalettes, o.folder.path() / "user");
             o.announced.clear();
             o.editor.drawColours();
         },
         {kRecoloured, Change::History}},
        {"undo",
         [](OpenedEditor& o) {
             o.editor.moveUp();
             o.announced.clear();
             o.editor.undo();
         },
         {kWholePortrait, kStepped}},
        {"undo with nothing to undo", [](OpenedEditor& o) { o.editor.undo(); }, {}},
        {"pattern", [](OpenedEditor& o) { o.editor.setPattern(); }, {}},
    };
    for (const Row& row : rows) {
        OpenedEditor opened;
        row.command(opened);
        EXPECT_EQ(opened.announced, row.expected) << row.name;
        EXPECT_TRUE(opened.problems.isEmpty()) << row.name;
    }
}

TEST(PortraitEditor, AFailedLoadIsReportedAfterTheNewNumberIsAnnounced) {
    OpenedEditor opened;
    std::filesystem::remove(opened.base / "picture/face/001.png");
    std::filesystem::remove(dummyPath(opened.base));  // no substitute either
    opened.editor.nextPart();
    ASSERT_EQ(opened.problems.size(), 1);
    EXPECT_TRUE(
        opened.problems.front().startsWith(QStringLiteral("部品ファイルのオープンに失敗しました")));
    const std::vector<ChangeSet> expected = {Change::Parts, {}, kPartsShown, Change::History};
    EXPECT_EQ(opened.announced, expected);
    EXPECT_EQ(opened.editor.state().elementPart(kFace), 1);
}

// Steps would be lost exactly while the history is away from where the portrait was started,
// opened or saved.
TEST(PortraitEditor, UnsavedStepsFollowTheHistory) {
    OpenedEditor opened;
    PortraitEditor& editor = opened.editor;
    const auto document = opened.folder.path() / "a.kelvaro";
    struct Row {
        const char* name;
        std::function<void()> command;
        bool unsaved;
    };
    const std::vector<Row> rows = {
        {"started", [] {}, false},
        {"element chosen",
         [&] {
             editor.selectElement({editor.state().current, kEyes, editor.state().scroll, 0});
         },
         false},
        {"turned", [&] { editor.rotateRight(); }, true},
        {"undone", [&] { editor.undo(); }, false},
        {"redone", [&] { editor.redo(); }, true},
        {"saved", [&] { ASSERT_TRUE(editor.saveDocument(document)); }, false},
        {"moved", [&] { editor.moveDown(); }, true},
        {"reopened", [&] { ASSERT_TRUE(editor.openDocument(document)); }, false},
        {"opened step undone", [&] { editor.undo(); }, true},
    };
    for (const Row& row : rows) {
        row.command();
        EXPECT_EQ(editor.hasUnsavedSteps(), row.unsaved) << row.name;
    }
}

// Each step reports the memory it holds: more for a step that changes more, and a colour drag
// merged into one step holds what one change holds.
TEST(PortraitEditor, StepsReportTheirSize) {
    OpenedEditor opened;
    PortraitEditor& editor = opened.editor;
    const auto sizeOfLast = [&] {
        const QUndoStack& history = editor.history();
        return static_cast<const PortraitStep*>(history.command(history.count() - 1))->size();
    };
    editor.moveRight();  // the face moves the whole head
    const std::size_t headMove = sizeOfLast();
    editor.selectElement({editor.state().current, kNose, editor.state().scroll, 0});
    editor.moveRight();
    const std::size_t noseMove = sizeOfLast();
    EXPECT_GT(headMove, noseMove);
    EXPECT_GT(noseMove, sizeof(PortraitStep));
    ControlValues read{editor.state().current, kNose, editor.state().scroll, 0};
    read.scroll.green = 200;
    editor.colourFromBars(kGreenSetting, read);
    const std::size_t oneChange = sizeOfLast();
    for (int green = 199; green > 150; --green) {
        read.scroll.green = green;
        editor.colourFromBars(kGreenSetting, read);
    }
    EXPECT_EQ(editor.history().count(), 3);
    EXPECT_EQ(sizeOfLast(), oneChange);
}

}  // namespace
}  // namespace kelvaro::test

namespace kelvaro::test {
namespace {

// With front hair and brows linked, a bar moved on one gives its five values to both in one
// step; unlinking keeps the saved flag; drawn colours repeat with the clock and the count of
// draws, each drawing one step.
TEST(PortraitEditor, LinkedBarsShareTheirValuesAndDrawsRepeat) {
    OpenedEditor opened;
    PortraitEditor& editor = opened.editor;
    for (int element : {kBrows, kFrontHair}) {
        editor.selectElement({editor.state().current, element, editor.state().scroll, 0});
        editor.linkColours(true);
    }
    const int steps = editor.history().count();
    ControlValues read = opened.controls();
    read.scroll = {90, 80, 70, 10, 5};
    editor.colourFromBars(kBlueSetting, read);
    EXPECT_EQ(editor.history().count(), steps + 1);
    EXPECT_EQ(editor.state().layer(kBrows).stored, read.scroll);
    EXPECT_EQ(editor.state().current, read.scroll);  // front hair, the current element
    editor.undo();
    EXPECT_EQ(editor.state().layer(kBrows).stored, ColourSettings{});

    OpenedEditor again;
    for (OpenedEditor* o : {&opened, &again}) {
        o->editor.setPaletteFolders(kBundledPalettes, o->folder.path() / "user");
        o->editor.setClock([] { return std::time_t{77}; });
        o->editor.drawColours();
    }
    EXPECT_EQ(capture(opened.editor.state()).layers, capture(again.editor.state()).layers);
    again.editor.drawColours();  // the same second, a new draw
    EXPECT_NE(capture(opened.editor.state()).layers, capture(again.editor.state()).layers);
}

}  // namespace
}  // namespace kelvaro::test
