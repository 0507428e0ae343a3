// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Undo and redo through the window: every step goes back to the very canvas it started from and
// forward to the one it made, gestures merge into one step, the saved flag follows the saved
// state, and the window menu names the steps.
#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

#include "model/document_file.h"
#include "tests/ui/portrait_building.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

constexpr QKeyCombination kUndo = Qt::CTRL | Qt::Key_Z;
constexpr QKeyCombination kRedo = Qt::CTRL | Qt::SHIFT | Qt::Key_Z;
constexpr QKeyCombination kRedoY = Qt::CTRL | Qt::Key_Y;

struct Snapshot {
    std::unique_ptr<CanvasPixels> canvas;
    PortraitDocument document;
    std::vector<QString> controls;  // counter, edits, list
};

Snapshot snapshot(EditorFixture& editor) {
    Snapshot s{editor.canvas(), capture(editor.state()), {}};
    s.controls.push_back(editor.widget<QLabel>(ids::kCounter)->text());
    for (int i = 0; i < kColourSettingCount; ++i)
        s.controls.push_back(editor.widget<QLineEdit>(ids::kRedEdit + i)->text());
    for (int i = 0; i < kColourSettingCount; ++i)
        s.controls.push_back(QString::number(editor.widget<QScrollBar>(ids::kRedBar + i)->value()));
    return s;
}

void expectShows(EditorFixture& editor, const Snapshot& expected, const std::string& where) {
    const Snapshot now = snapshot(editor);
    EXPECT_TRUE(*now.canvas == *expected.canvas) << where;
    EXPECT_EQ(now.document, expected.document) << where;
    EXPECT_EQ(now.controls, expected.controls) << where;
}

TEST(Undo, EveryCommandGoesBackToTheCanvasBeforeItAndForwardAgain) {
    TempFolder out;
    EditorFixture other;
    other.open();
    other.click(ids::kNext);
    other.click(ids::kRotateRight);
    ASSERT_TRUE(writeDocumentFile(out.path() / "other.kelvaro", documentOf(other.state())));

    EditorFixture editor;
    editor.open();
    editor.portrait().setClock([] { return std::time_t{4242}; });
    auto* red = editor.widget<QScrollBar>(ids::kRedBar);
    struct Command {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Command> commands = {
        {"next", [&] { editor.click(ids::kNext); }},
        {"previous", [&] { editor.click(ids::kPrevious); }},
        {"generate", [&] { editor.click(ids::kGenerate); }},
        {"up", [&] { editor.click(ids::kMoveUp); }},
        {"left", [&] { editor.click(ids::kMoveLeft); }},
        {"eyes", [&] { editor.selectElement(kIris); }},  // no step of its own
        {"iris right", [&] { editor.click(ids::kMoveRight); }},
        {"iris down", [&] { editor.click(ids::kMoveDown); }},
        {"rotate right", [&] { editor.click(ids::kRotateRight); }},
        {"bar line", [&] { clickScrollBar(red, QStyle::SC_ScrollBarSubLine); }},
        {"bar page", [&] { clickScrollBar(red, QStyle::SC_ScrollBarSubPage); }},  // merges
        {"edit", [&] { editor.typeInto(ids::kRedEdit + 3, "35"); }},
        {"face", [&] { editor.selectElement(kFace); }},
        {"rotate left", [&] { editor.click(ids::kRotateLeft); }},
        {"centre", [&] { editor.click(ids::kCentre); }},
        {"reset", [&] { editor.click(ids::kReset); }},
        {"open", [&] { editor.portrait().openDocument(out.path() / "other.kelvaro"); }},
        {"mouth", [&] { editor.selectElement(kMouth); }},
        {"mouth colour", [&] { editor.typeInto(ids::kRedEdit + 1, "10"); }},
    };
    std::vector<Snapshot> before, after;
    std::vector<std::string> names;
    for (const Command& command : commands) {
        Snapshot s = snapshot(editor);
        const int steps = editor.portrait().history().count();
        command.run();
        if (editor.portrait().history().count() == steps) {
            if (std::string(command.name) == "bar page")  // merged into the line step
                after.back() = snapshot(editor);
            continue;
        }
        EXPECT_EQ(editor.portrait().history().count(), steps + 1) << command.name;
        before.push_back(std::move(s));
        after.push_back(snapshot(editor));
        names.push_back(command.name);
    }
    ASSERT_EQ(before.size(), commands.size() - 4);  // the element choices, the merged page step
    for (std::size_t i = before.size(); i-- > 0;) {
        editor.press(kUndo);
        expectShows(editor, before[i], "undo of " + names[i]);
    }
    EXPECT_FALSE(editor.portrait().history().canUndo());
    for (std::size_t i = 0; i < before.size(); ++i) {
        editor.press(i % 2 ? kRedo : kRedoY);
        expectShows(editor, after[i], "redo of " + names[i]);
    }
    EXPECT_TRUE(editor.modals().unexpected.isEmpty());
}

TEST(Undo, ADragAndWhatIsTypedIntoOneEditAreOneStepEach) {
    EditorFixture editor;
    editor.open();
    const Snapshot start = snapshot(editor);
    auto* contrast = editor.widget<QScrollBar>(ids::kContrastBar);
    contrast->setSliderDown(true);
    for (int position : {-5, -12, -30, -41})
        contrast->setSliderPosition(position);
    contrast->setSliderDown(false);
    const Snapshot dragged = snapshot(editor);
    EXPECT_EQ(editor.portrait().history().count(), 1);

    editor.typeInto(ids::kRedEdit + 3, "-20");
    EXPECT_EQ(editor.state().current.brightness, 20);  // "-" reads as a selected 0
    EXPECT_EQ(editor.portrait().history().count(), 2);
    // Ctrl+Z in the edit undoes the portrait's step, not the edit's own text.
    editor.press(kUndo);
    EXPECT_EQ(editor.widget<QLineEdit>(ids::kRedEdit + 3)->text(), "0");
    expectShows(editor, dragged, "typing undone");
    editor.press(kUndo);
    expectShows(editor, start, "drag undone");

    // Focus leaving the edit ends its step; two line steps in a row are one.
    auto* green = editor.widget<QScrollBar>(ids::kRedBar + 1);
    clickScrollBar(green, QStyle::SC_ScrollBarSubLine);
    clickScrollBar(green, QStyle::SC_ScrollBarSubLine);
    editor.typeInto(ids::kRedEdit + 2, "7");
    editor.widget<QWidget>(ids::kRedEdit + 3)->setFocus();
    editor.typeInto(ids::kRedEdit + 2, "8");
    EXPECT_EQ(editor.portrait().history().count(), 3);
    EXPECT_EQ(editor.portrait().history().text(0), "Zielony");
    editor.click(ids::kMoveUp);
    editor.click(ids::kMoveUp);
    EXPECT_EQ(editor.portrait().history().count(), 5);  // each click is a step
}

TEST(Undo, GenerateUndoneShowsFileColouredAndRecolouredLayersAsBefore) {
    EditorFixture editor;
    editor.open();
    editor.portrait().setClock([] { return std::time_t{77}; });
    editor.selectElement(kFace);
    editor.typeInto(ids::kRedEdit, "100");
    editor.click(ids::kGenerate);  // the face's new part shows its file's colours
    const Snapshot generated = snapshot(editor);
    EXPECT_EQ(editor.canvasPixel(blockCentre(kFace)),
              blockColour(kFace, editor.state().layer(kFace).partNumber));
    editor.typeInto(ids::kRedEdit, "50");
    editor.click(ids::kGenerate);
    editor.press(kUndo);
    editor.press(kUndo);
    expectShows(editor, generated, "second Generate and tint undone");
    EXPECT_FALSE(editor.state().layer(kFace).recoloured);
    editor.press(kUndo);  // before the first Generate: part 0, tinted with red 100
    EXPECT_TRUE(editor.state().layer(kFace).recoloured);
    const Argb file = blockColour(kFace, 0);
    const auto channel = [file](int shift, int multiplier) {
        return ((file >> shift & 0xffu) * static_cast<unsigned>(multiplier)) >> 8;
    };
    EXPECT_EQ(editor.canvasPixel(blockCentre(kFace)),
              makeArgb(255, channel(16, 100), channel(8, 255), channel(0, 255)));
}

TEST(Undo, TheCloseQuestionComesExactlyWhenThePortraitDiffersFromTheSavedOne) {
    TempFolder out;
    EditorFixture editor;
    editor.open();
    editor.click(ids::kNext);
    exportThroughDialog(editor, out.path() / "a.bmp");
    EXPECT_TRUE(editor.state().saved);
    struct Row {
        QKeyCombination key;  // or a click when key is empty
        int click;
        bool saved;
    };
    const Row rows[] = {
        {{}, ids::kRotateRight, true},  // a rotation keeps the flag
        {kUndo, 0, true},               // back at the saved state
        {{}, ids::kMoveUp, false},
        {kUndo, 0, true},
        {kRedo, 0, false},
        {{}, ids::kRotateLeft, false},
        {kUndo, 0, false},  // an undone rotation keeps the flag
        {kUndo, 0, true},
        {kUndo, 0, false},  // before the saved state
        {kRedo, 0, true},
    };
    for (const Row& row : rows) {
        if (row.click)
            editor.click(row.click);
        else
            editor.press(row.key);
        EXPECT_EQ(editor.state().saved, row.saved) << &row - rows;
    }
    editor.click(ids::kMoveDown);
    editor.modals().answerMessageBox(QMessageBox::Cancel);
    editor.click(ids::kCancel);
    EXPECT_EQ(editor.modals().messages.size(), 1);
    EXPECT_TRUE(editor.dialog().isVisible());
    editor.press(kUndo);  // the saved portrait again: closing does not ask
    editor.click(ids::kCancel);
    EXPECT_EQ(editor.modals().messages.size(), 1);
    EXPECT_FALSE(editor.dialog().isVisible());
}

TEST(Undo, TheWindowMenuNamesTheStepsAndTheirKeys) {
    EditorFixture editor;
    editor.open();
    auto texts = [](const std::vector<EditorFixture::MenuItem>& items) {
        std::vector<std::pair<QString, bool>> out;
        for (const auto& item : items)
            out.emplace_back(item.text, item.enabled);
        return out;
    };
    using Items = std::vector<std::pair<QString, bool>>;
    const Items fresh = {
        {"Minimalizuj", true},
        {"Zamknij\tAlt+F4", true},
        {"Cofnij\tCtrl+Z", false},
        {"Ponów\tCtrl+Shift+Z", false},
        {"Otwórz portret…\tCtrl+O", true},
        {"Ostatnio otwierane", false},
        {"Zapisz portret\tCtrl+S", true},
        {"Zapisz portret jako…\tCtrl+Shift+S", true},
        {"Zapisz arkusz twarzy…\tCtrl+E", true},
        {"Zapisz miny jako pliki…", true},
        {"Galeria części\tF3", true},
        {"Kolory\tF4", true},
        {"Miny\tF5", true},
        {"Losuj kolory\tCtrl+K", true},
        {"Język / Language", true},
        {"O programie Kelvaro(&A)", true},
    };
    EXPECT_EQ(texts(editor.chooseFromMenu({})), fresh);
    editor.click(ids::kGenerate);
    Items generated = fresh;
    generated[2] = {"Cofnij: Generuj\tCtrl+Z", true};
    EXPECT_EQ(texts(editor.chooseFromMenu("Cofnij")), generated);  // and undoes it
    EXPECT_FALSE(editor.portrait().history().canUndo());
    Items undone = fresh;
    undone[3] = {"Ponów: Generuj\tCtrl+Shift+Z", true};
    EXPECT_EQ(texts(editor.chooseFromMenu("Ponów")), undone);
    EXPECT_EQ(editor.portrait().history().index(), 1);
}

TEST(Undo, AThousandStepsAreKept) {
    EditorFixture editor;
    editor.open();
    const Snapshot start = snapshot(editor);
    for (int i = 0; i < 1000; ++i)
        i % 2 ? editor.portrait().moveUp() : editor.portrait().moveRight();
    EXPECT_EQ(editor.portrait().history().count(), 1000);
    for (int i = 0; i < 1000; ++i)
        editor.portrait().undo();
    expectShows(editor, start, "a thousand steps undone");
}

}  // namespace
}  // namespace kelvaro::test
