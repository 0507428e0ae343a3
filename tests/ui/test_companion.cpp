// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The companion window "Przybornik": F3 opens it on "Części" with the keyboard focus in the grid,
// F3 or Escape closes it and the editor has the focus again; its place is remembered for the
// next run of the program.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "tests/ui/gallery_driving.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_view.h"

namespace kelvaro::test {
namespace {

constexpr int kPatienceMs = 10000;

bool focusReaches(const QWidget* widget) {
    return QTest::qWaitFor([&] { return QApplication::focusWidget() == widget; }, kPatienceMs);
}

// The top of the cell of `part` in the grid.
int cellTop(PartsTab& parts, int part) {
    return parts.view()->visualRect(parts.cells().index(part)).top();
}

TEST(Companion, F3OpensItOnThePartsWithTheFocusAndF3OrEscapeGivesItBack) {
    struct Row {
        const char* closingKey;
        Qt::Key key;
    };
    const Row rows[] = {{"Escape", Qt::Key_Escape}, {"F3", Qt::Key_F3}};
    EditorFixture editor;
    editor.open();
    editor.click(ids::kNext);
    editor.click(ids::kNext);  // part 2 of the face
    auto* edit = editor.widget<QLineEdit>(ids::kRedEdit);
    edit->setFocus();
    for (const Row& row : rows) {
        PartsTab* parts = openGallery(editor);
        ASSERT_NE(parts, nullptr) << row.closingKey;
        CompanionWindow* companion = editor.dialog().companion();
        EXPECT_EQ(companion->windowTitle(), QStringLiteral("Przybornik"));
        EXPECT_EQ(companion->tabs()->currentWidget(), parts);
        EXPECT_EQ(companion->tabs()->tabText(0), QStringLiteral("Części"));
        ASSERT_TRUE(focusReaches(parts->view())) << row.closingKey;
        EXPECT_EQ(parts->view()->currentIndex().row(), 2) << row.closingKey;
        editor.press(Qt::Key_Right);  // where the focus is: the grid
        EXPECT_EQ(parts->view()->currentIndex().row(), 3) << row.closingKey;
        EXPECT_EQ(editor.state().elementPart(kFace), 2);
        editor.press(row.key);
        EXPECT_FALSE(companion->isVisible()) << row.closingKey;
        EXPECT_TRUE(focusReaches(edit)) << row.closingKey;
        EXPECT_EQ(QApplication::activeWindow(), &editor.dialog()) << row.closingKey;
    }
    editor.press(Qt::Key_Escape);  // in the editor it still does nothing
    EXPECT_TRUE(editor.dialog().isVisible() && !editor.dialog().companion()->isVisible());
}

TEST(Companion, AtItsNarrowestTwoColumnsOfCellsShow) {
    EditorFixture editor;
    editor.open();
    PartsTab* parts = openGallery(editor);
    ASSERT_NE(parts, nullptr);
    QWidget* companion = parts->window();
    companion->resize(companion->minimumSizeHint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return companion->size() == companion->minimumSizeHint(); },
                                kPatienceMs));
    ASSERT_TRUE(waitUntilUpToDate(*parts));
    EXPECT_EQ(cellTop(*parts, 1), cellTop(*parts, 0));
    EXPECT_GT(cellTop(*parts, 2), cellTop(*parts, 0));
}

TEST(Companion, ItsPlaceIsRememberedForTheNextRun) {
    enum class End { ClosedWithF3, OpenAtProgramEnd };
    struct Row {
        const char* what;
        QRect place;  // frame top left, size inside the frame
        End end;
        bool restored;
    };
    const Row rows[] = {
        {"closed with F3", QRect(20, 30, 290, 350), End::ClosedWithF3, true},
        {"open when the program ends", QRect(40, 10, 300, 370), End::OpenAtProgramEnd, true},
        {"left off every screen", QRect(-5000, 30, 300, 400), End::ClosedWithF3, false},
    };
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        PartsTab* parts = openGallery(editor);
        ASSERT_NE(parts, nullptr) << row.what;
        const QRect computed(parts->window()->pos(), parts->window()->size());
        parts->window()->move(row.place.topLeft());
        parts->window()->resize(row.place.size());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QRect(parts->window()->pos(), parts->window()->size()) == row.place; },
            kPatienceMs))
            << row.what;
        if (row.end == End::ClosedWithF3)
            QTest::keyClick(parts->view(), Qt::Key_F3);
        editor.restart();
        parts = openGallery(editor);
        ASSERT_NE(parts, nullptr) << row.what;
        EXPECT_EQ(QRect(parts->window()->pos(), parts->window()->size()),
                  row.restored ? row.place : computed)
            << row.what;
    }
}

}  // namespace
}  // namespace kelvaro::test
