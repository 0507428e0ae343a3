// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The owner's recovery: its recovery text restores the same portrait and history into another
// owner, whose undo and redo then walk the same documents; and the autosave's file follows the
// history (written while steps are unsaved, gone at the saved state and on a clean close).
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QUndoStack>
#include <functional>

#include "editing/portrait_editor.h"
#include "editing/recovery_autosave.h"
#include "editing/step_kinds.h"
#include "tests/editing/opened_owner.h"

namespace kelvaro::test {
namespace {

// The owner, and a drag of a colour bar as the window makes it.
struct DraggingOwner : Owner {
    ControlValues controls() const {
        const PortraitState& s = editor.state();
        return {s.current, s.currentElement, s.scroll, s.sizeChoice};
    }
    void drag(int setting, int to) {
        ControlValues read = controls();
        read.scroll.*kColourSettingTable[static_cast<std::size_t>(setting)].field = to;
        editor.colourFromBars(setting, read);
    }
};

RecoveryFile readBack(const std::string& text) {
    auto read = PortraitEditor::readRecovery(text);
    EXPECT_TRUE(std::holds_alternative<RecoveryFile>(read));
    return std::holds_alternative<RecoveryFile>(read) ? std::get<RecoveryFile>(read)
                                                      : RecoveryFile{};
}

// The documents the history walks through from its index down to 0.
std::vector<PortraitDocument> walkBack(Owner& owner) {
    std::vector<PortraitDocument> documents{owner.document()};
    while (owner.editor.history().index() > 0) {
        owner.editor.undo();
        documents.push_back(owner.document());
    }
    return documents;
}

std::vector<QString> stepTexts(const QUndoStack& history) {
    std::vector<QString> texts;
    for (int i = 0; i < history.count(); ++i)
        texts.push_back(history.text(i));
    return texts;
}

TEST(Recovery, RestoredOwnerHasTheSamePortraitHistoryAndWalk) {
    struct Row {
        const char* what;
        std::function<void(DraggingOwner&)> steps;
    };
    const Row rows[] = {
        {"no step", [](DraggingOwner&) {}},
        {"parts and placement",
         [](DraggingOwner& o) {
             o.editor.nextPart();
             o.editor.moveLeft();
             o.editor.rotateRight();
         }},
        {"a merged drag, then undone steps",
         [](DraggingOwner& o) {
             o.editor.nextPart();
             o.drag(kRedSetting, 120);
             o.drag(kRedSetting, 90);
             o.editor.endGesture();
             o.editor.moveUp();
             o.editor.undo();
             o.editor.undo();
         }},
        {"expressions and links",
         [](DraggingOwner& o) {
             o.editor.addExpression("Radość");
             o.editor.nextPart();
             o.editor.linkColours(true);
             o.editor.addExpression("Złość");
             o.editor.renameExpression(2, "Gniew");
             o.editor.undo();
         }},
    };
    for (const Row& row : rows) {
        DraggingOwner original;
        row.steps(original);
        Owner restored;
        restored.editor.restoreRecovery(readBack(original.editor.recoveryText()));
        const QUndoStack& history = restored.editor.history();
        EXPECT_EQ(restored.document(), original.document()) << row.what;
        EXPECT_EQ(history.count(), original.editor.history().count()) << row.what;
        EXPECT_EQ(history.index(), original.editor.history().index()) << row.what;
        EXPECT_EQ(stepTexts(history), stepTexts(original.editor.history())) << row.what;
        EXPECT_FALSE(restored.editor.state().saved) << row.what;
        EXPECT_EQ(*composed(restored.editor.state()), *composed(original.editor.state()))
            << row.what;
        EXPECT_EQ(walkBack(restored), walkBack(original)) << row.what;
        EXPECT_EQ(*composed(restored.editor.state()), *composed(original.editor.state()))
            << row.what;
        while (history.canRedo()) {
            restored.editor.redo();
            original.editor.redo();
            EXPECT_EQ(restored.document(), original.document()) << row.what;
        }
    }
}

TEST(Recovery, RestoreKeepsTheDocumentFileAndIsNoStep) {
    Owner original;
    const std::filesystem::path file = original.folder.path() / "twarz.kelvaro";
    ASSERT_TRUE(original.editor.saveDocument(file));
    original.editor.moveDown();
    Owner restored;
    restored.editor.restoreRecovery(readBack(original.editor.recoveryText()));
    EXPECT_EQ(restored.editor.documentFile(), file);
    EXPECT_EQ(restored.editor.history().count(), 1);
    EXPECT_TRUE(restored.editor.hasUnsavedSteps());
    restored.editor.undo();
    EXPECT_TRUE(restored.editor.hasUnsavedSteps());  // a restored portrait is never saved
    EXPECT_FALSE(restored.editor.state().saved);
}

// An owner with an autosave into a folder of the test.
struct Autosaved : Owner {
    Autosaved() : autosave(editor, folder.path() / "recovery") {}
    std::string fileBytes() {
        autosave.flush();
        return std::filesystem::exists(autosave.file()) ? readBytes(autosave.file()) : "";
    }
    RecoveryAutosave autosave;
};

TEST(Recovery, AutosaveFileFollowsTheHistory) {
    struct Row {
        const char* what;
        std::function<void(PortraitEditor&)> command;
        bool written;  // a file with the owner's recovery text; none otherwise
    };
    const Row rows[] = {
        {"a step", [](PortraitEditor& e) { e.nextPart(); }, true},
        {"another", [](PortraitEditor& e) { e.moveRight(); }, true},
        {"one undone", [](PortraitEditor& e) { e.undo(); }, true},
        {"back at the start", [](PortraitEditor& e) { e.undo(); }, false},
        {"redone", [](PortraitEditor& e) { e.redo(); }, true},
        {"saved",
         [](PortraitEditor& e) { e.saveDocument(e.settingsFile().parent_path() / "a.kelvaro"); },
         false},
        {"a step after the save", [](PortraitEditor& e) { e.moveUp(); }, true},
        {"undone to the save", [](PortraitEditor& e) { e.undo(); }, false},
    };
    Autosaved owner;
    for (const Row& row : rows) {
        row.command(owner.editor);
        owner.autosave.writeNow();
        EXPECT_EQ(owner.fileBytes(), row.written ? owner.editor.recoveryText() : "") << row.what;
    }
    owner.editor.moveLeft();
    owner.autosave.writeNow();
    ASSERT_FALSE(owner.fileBytes().empty());
}

TEST(Recovery, CleanCloseRemovesTheFileAndItsLock) {
    Owner owner;
    const std::filesystem::path folder = owner.folder.path() / "recovery";
    auto autosave = std::make_unique<RecoveryAutosave>(owner.editor, folder);
    owner.editor.nextPart();
    autosave->writeNow();
    autosave->flush();
    const std::string name = autosave->file().stem().string();
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{name + ".lock", name + ".recovery"}));
    autosave.reset();
    EXPECT_TRUE(namesIn(folder).empty());
}

TEST(Recovery, UnwritableFolderWarnsOncePerRun) {
    Owner owner;
    const std::filesystem::path blocked = owner.folder.path() / "blocked";
    owner.folder.writeFile("blocked", "a file where the folder should be");
    RecoveryAutosave autosave(owner.editor, blocked / "recovery");
    QSignalSpy problems(&autosave, &RecoveryAutosave::problem);
    for (int i = 0; i < 3; ++i) {
        owner.editor.nextPart();
        autosave.writeNow();
        autosave.flush();
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(problems.size(), 1);
    const QStringList lines = problems.front().front().toString().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QString::fromStdString((blocked / "recovery").string()));
    EXPECT_FALSE(lines[2].isEmpty());
    EXPECT_EQ(owner.editor.history().count(), 3);
}

}  // namespace
}  // namespace kelvaro::test
