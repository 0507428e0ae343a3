// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The window's wiring of recovery: the question after a crash with OK as its default, OK
// restoring the portrait and its history, "Anuluj" and a broken file moving the file aside, and
// a folder that cannot be written warning once while editing goes on.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <fstream>

#include "editing/recovery_autosave.h"
#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"
#include "ui/recovery_offer.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

// An editor with a recovery folder of its own, opened.
struct RecoveringEditor {
    RecoveringEditor() {
        editor.useRecoveryFolder(folder());
        editor.open();
    }
    fs::path folder() const { return editor.base().parent_path() / "state" / "recovery"; }
    // Writes the recovery file now and leaves a copy as a gone editor's file.
    fs::path crash() {
        RecoveryAutosave& autosave = *editor.dialog().autosave();
        autosave.writeNow();
        autosave.flush();
        const fs::path orphan = folder() / "kelvaro-1-1.recovery";
        fs::copy_file(autosave.file(), orphan);
        return orphan;
    }
    // A new window, as the next start; waits until its modal windows were answered.
    void restart() {
        editor.restart();
        EXPECT_TRUE(QTest::qWaitFor([this] { return editor.modals().allHandled(); }));
        QTest::qWait(50);
    }
    std::vector<std::string> discarded() const {
        return fs::exists(folder() / "discarded") ? namesIn(folder() / "discarded")
                                                  : std::vector<std::string>{};
    }

    EditorFixture editor;
};

// Answers the next modal window, which must be the recovery question with OK as its default.
void answerQuestion(ModalDriver& modals, QMessageBox::StandardButton answer, bool& asked) {
    modals.expect([answer, &asked](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        asked = box->text() ==
                    "Kelvaro nie został poprawnie zamknięty. Przywrócić niezapisany portret?" &&
                box->defaultButton() == box->button(QMessageBox::Ok);
        box->button(answer)->click();
    });
}

TEST(RecoveryOffer, OkRestoresPortraitAndHistory) {
    RecoveringEditor run;
    const auto start = run.editor.canvas();
    run.editor.click(ids::kNext);
    run.editor.click(ids::kMoveLeft);
    const auto before = run.editor.canvas();
    const fs::path orphan = run.crash();
    bool asked = false;
    answerQuestion(run.editor.modals(), QMessageBox::Ok, asked);
    run.restart();
    EXPECT_TRUE(asked);
    EXPECT_EQ(*run.editor.canvas(), *before);
    EXPECT_FALSE(fs::exists(orphan));
    run.editor.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
    run.editor.press(QKeyCombination(Qt::ControlModifier, Qt::Key_Z));
    EXPECT_EQ(*run.editor.canvas(), *start);
    EXPECT_TRUE(run.discarded().empty());
}

TEST(RecoveryOffer, AnulujMovesTheFileAside) {
    RecoveringEditor run;
    const auto start = run.editor.canvas();
    run.editor.click(ids::kNext);
    run.crash();
    bool asked = false;
    answerQuestion(run.editor.modals(), QMessageBox::Cancel, asked);
    run.restart();
    EXPECT_TRUE(asked);
    EXPECT_EQ(*run.editor.canvas(), *start);
    EXPECT_EQ(run.editor.portrait().history().count(), 0);
    EXPECT_EQ(run.discarded(), (std::vector<std::string>{"kelvaro-1-1.recovery"}));
}

TEST(RecoveryOffer, BrokenFileIsReportedOnceAndMovedAside) {
    RecoveringEditor run;
    const fs::path broken = run.folder() / "kelvaro-2-2.recovery";
    std::ofstream(broken) << "{\"format\": \"Kelvaro recovery\", \"version\": 1}";
    run.editor.modals().answerMessageBox();
    run.restart();
    ASSERT_EQ(run.editor.modals().messages.size(), 1);
    const QStringList lines = run.editor.modals().messages.front().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QString::fromStdString(broken.string()));
    EXPECT_EQ(lines[2].toStdString(), recoveryErrorReason(RecoveryError::BadDocument));
    EXPECT_EQ(run.discarded(), (std::vector<std::string>{"kelvaro-2-2.recovery"}));
    EXPECT_TRUE(run.editor.modals().unexpected.isEmpty());
}

TEST(RecoveryOffer, UnwritableFolderIsReportedInABoxAndEditingGoesOn) {
    EditorFixture editor;
    const fs::path blocked = editor.base() / "blocked";
    std::ofstream(blocked) << "a file where the state folder should be";
    editor.useRecoveryFolder(blocked / "recovery");
    editor.open();
    editor.modals().answerMessageBox();
    const auto before = editor.canvas();
    editor.click(ids::kNext);
    EXPECT_NE(*editor.canvas(), *before);
    editor.dialog().autosave()->writeNow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor.modals().allHandled(); }));
    QTest::qWait(50);
    ASSERT_EQ(editor.modals().messages.size(), 1);
    EXPECT_TRUE(editor.modals().messages.front().contains(
        QString::fromStdString((blocked / "recovery").string())));
    EXPECT_TRUE(editor.modals().unexpected.isEmpty());
}

}  // namespace
}  // namespace kelvaro::test
