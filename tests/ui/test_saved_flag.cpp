// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which commands mark the portrait as changed: every command runs on a saved portrait and the
// saved flag afterwards is compared with the table.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

struct Row {
    const char* command;
    std::function<void(EditorFixture&)> run;
    bool savedAfter;
};

const Row kRows[] = {
    {"select element", [](EditorFixture& e) { e.selectElement(kMouth); }, true},
    {"previous part", [](EditorFixture& e) { e.click(ids::kPrevious); }, false},
    {"next part", [](EditorFixture& e) { e.click(ids::kNext); }, false},
    {"generate", [](EditorFixture& e) { e.click(ids::kGenerate); }, false},
    {"reset", [](EditorFixture& e) { e.click(ids::kReset); }, false},
    {"set pattern", [](EditorFixture& e) { e.click(ids::kSetPattern); }, true},
    {"move up", [](EditorFixture& e) { e.click(ids::kMoveUp); }, false},
    {"centre", [](EditorFixture& e) { e.click(ids::kCentre); }, false},
    {"rotate right", [](EditorFixture& e) { e.click(ids::kRotateRight); }, true},
    {"rotate left", [](EditorFixture& e) { e.click(ids::kRotateLeft); }, true},
    {"colour edit",
     [](EditorFixture& e) {
         auto* edit = e.widget<QLineEdit>(ids::kRedEdit);
         edit->selectAll();
         QTest::keyClicks(edit, "7");
     },
     false},
    {"colour bar",
     [](EditorFixture& e) {
         e.widget<QScrollBar>(ids::kRedBar)->triggerAction(QAbstractSlider::SliderPageStepSub);
     },
     false},
    {"size button",
     [](EditorFixture& e) {
         QTest::mouseClick(e.widget<QRadioButton>(ids::kSize192), Qt::LeftButton);
     },
     true},
    {"About box",
     [](EditorFixture& e) {
         e.modals().expect([](QWidget* about) { about->close(); });
         e.click(ids::kAbout);
     },
     true},
};

TEST(SavedFlag, EachCommandKeepsOrClearsItAsItsTableSays) {
    for (const Row& row : kRows) {
        EditorFixture editor;
        editor.open();
        editor.state().saved = true;
        row.run(editor);
        EXPECT_EQ(editor.state().saved, row.savedAfter) << row.command;
        EXPECT_TRUE(editor.modals().allHandled()) << row.command;
    }
}

}  // namespace
}  // namespace kelvaro::test
