// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The owner's expression commands: each set operation is one step that undoes and redoes whole,
// choosing the face is no step, and a move stays a small step however large the set.
#include <gtest/gtest.h>

#include <QUndoStack>
#include <functional>

#include "editing/portrait_editor.h"
#include "editing/portrait_step.h"
#include "model/document_file.h"
#include "tests/editing/opened_owner.h"

namespace kelvaro::test {
namespace {

// The last step's size in bytes.
std::size_t lastStepSize(const Owner& owner) {
    const QUndoStack& history = owner.editor.history();
    return static_cast<const PortraitStep*>(history.command(history.count() - 1))->size();
}

TEST(ExpressionCommands, EverySetOperationUndoesInOneStep) {
    const struct Row {
        const char* caption;
        std::function<void(Owner&)> command;
    } rows[] = {
        {"Dodaj minę", [](Owner& o) { o.editor.addExpression("Mina"); }},
        {"Usuń minę", [](Owner& o) { o.editor.removeExpression(1); }},
        {"Zmień nazwę", [](Owner& o) { o.editor.renameExpression(2, "Złość"); }},
        {"Przesuń minę", [](Owner& o) { o.editor.moveExpression(1, 1); }},
        {"Jak w neutralnej", [](Owner& o) { o.editor.showElementAsBase(); }},
        {"Zestaw podstawowy", [](Owner& o) { o.editor.addBasicExpressions(); }},
        {"Wczytaj miny",
         [](Owner& o) {
             DocumentFile other;
             other.portrait.expressions = {{{"Sen", {}}}, 0};
             ASSERT_TRUE(writeDocumentFile(o.folder.path() / "other.kelvaro", other));
             EXPECT_TRUE(o.editor.loadExpressions(o.folder.path() / "other.kelvaro"));
         }},
    };
    for (const Row& row : rows) {
        Owner owner;
        owner.editor.addExpression("Radość");
        owner.editor.addExpression("Smutek");
        owner.editor.chooseFace(1);
        owner.editor.mutableState().currentElement = kEyes;
        owner.editor.moveRight();  // expression 1 gets its own eyes
        const PortraitDocument before = owner.document();
        const auto canvasBefore = composed(owner.editor.state());
        const int steps = owner.editor.history().count();
        row.command(owner);
        ASSERT_EQ(owner.editor.history().count(), steps + 1) << row.caption;
        EXPECT_EQ(owner.editor.history().text(steps).toStdString(), row.caption);
        const PortraitDocument after = owner.document();
        EXPECT_NE(after.expressions, before.expressions) << row.caption;
        EXPECT_FALSE(owner.editor.state().saved) << row.caption;
        owner.editor.undo();
        EXPECT_EQ(owner.document(), before) << row.caption;
        EXPECT_TRUE(*composed(owner.editor.state()) == *canvasBefore) << row.caption;
        owner.editor.redo();
        EXPECT_EQ(owner.document(), after) << row.caption;
    }
}

TEST(ExpressionCommands, ChoosingTheFaceIsNoStepAndShowsItsOverrides) {
    Owner owner;
    owner.editor.addExpression("Radość");
    owner.editor.mutableState().currentElement = kMouth;
    owner.editor.moveDown();
    const int steps = owner.editor.history().count();
    owner.editor.chooseFace(0);
    EXPECT_EQ(owner.editor.history().count(), steps);
    EXPECT_EQ(owner.editor.state().layer(kMouth).y, kDefaultLayerPosition);
    owner.editor.chooseFace(1);
    EXPECT_EQ(owner.editor.state().layer(kMouth).y, kDefaultLayerPosition + 1);
    EXPECT_EQ(owner.document().layers[kMouth].y, kDefaultLayerPosition);
}

TEST(ExpressionCommands, AMoveStaysASmallStepWithEightExpressions) {
    Owner plain;
    plain.editor.mutableState().currentElement = kFace;
    plain.editor.moveLeft();
    Owner rich;
    for (int i = 0; i < 8; ++i)
        rich.editor.addExpression(QString("Mina numer %1 o długiej nazwie").arg(i));
    rich.editor.mutableState().currentElement = kFace;
    rich.editor.moveLeft();
    EXPECT_EQ(lastStepSize(rich), lastStepSize(plain));
    EXPECT_LT(lastStepSize(rich), 1000u);
    EXPECT_EQ(rich.document().layers[kEyes].x, kDefaultLayerPosition - 1);
}

}  // namespace
}  // namespace kelvaro::test
