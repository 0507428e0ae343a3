// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where the companion window goes: beside the editor, narrowed to the room there, else where it
// covers the least of it; and which remembered places still lie on a screen.
#include <gtest/gtest.h>

#include "ui/companion_placement.h"

namespace kelvaro {
namespace {

// An editor frame and a companion frame as the window system gives them (a few pixels of
// border, a title bar): 424x458 and 480x800 inside; two columns of cells at 266 wide.
constexpr QSize kEditor(430, 490);
constexpr QSize kWanted(486, 829);
constexpr int kNarrowest = 266;

TEST(CompanionPlacement, BesideTheEditorElseWhereItCoversTheLeast) {
    struct Row {
        const char* what;
        QRect screen;
        QPoint editorAt;
        QRect expected;
    };
    const Row rows[] = {
        {"wide screen: right of the editor, level with it", QRect(0, 0, 1920, 1080),
         QPoint(100, 100), QRect(538, 100, 486, 829)},
        {"editor at the right edge: left of it", QRect(0, 0, 1920, 1080), QPoint(1490, 100),
         QRect(996, 100, 486, 829)},
        {"1280x1024, editor centred: right of it, narrowed, raised to fit", QRect(0, 0, 1280, 1024),
         QPoint(425, 267), QRect(863, 195, 417, 829)},
        {"second screen, editor at its right edge: left of it", QRect(1920, 0, 1920, 1080),
         QPoint(3400, 200), QRect(2906, 200, 486, 829)},
        {"short screen: as tall as the screen", QRect(0, 0, 1920, 600), QPoint(100, 50),
         QRect(538, 0, 486, 600)},
        {"no side has room for two columns: the right edge covers as little as the left",
         QRect(0, 0, 800, 600), QPoint(185, 55), QRect(314, 0, 486, 600)},
        {"portrait screen: below the editor covers the least", QRect(0, 0, 768, 1366),
         QPoint(169, 100), QRect(282, 537, 486, 829)},
        {"no screen at all: over the editor at the wanted size", QRect(), QPoint(10, 20),
         QRect(10, 20, 486, 829)},
    };
    for (const Row& row : rows) {
        const QRect editor(row.editorAt, kEditor);
        EXPECT_EQ(placeCompanion({editor, kWanted, kNarrowest, row.screen}), row.expected)
            << row.what;
    }
}

TEST(CompanionPlacement, ARememberedPlaceMustLieWhollyOnOneScreen) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_TRUE(liesOnAScreen(QRect(2000, 100, 486, 829), screens));
    EXPECT_FALSE(liesOnAScreen(QRect(1800, 100, 486, 829), screens));  // across both
    EXPECT_FALSE(liesOnAScreen(QRect(2000, 300, 486, 829), screens));  // below the second
    EXPECT_FALSE(liesOnAScreen(QRect(100, 100, 486, 829), {}));
}

}  // namespace
}  // namespace kelvaro
