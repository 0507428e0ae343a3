// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The recent documents: their list's rules and its record in the user's settings, then the
// window menu's submenu, which opens them, drops one that is gone and clears the list.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "io/file_boundary.h"
#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"
#include "ui/recent_files.h"
#include "ui/user_settings.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> paths(std::initializer_list<const char*> names) {
    return {names.begin(), names.end()};
}

TEST(RecentFiles, NewestFirstEachOnceAtMostTen) {
    struct Row {
        const char* what;
        std::vector<fs::path> added;  // in this order
        std::vector<fs::path> removed;
        std::vector<fs::path> expected;
    };
    const Row rows[] = {
        {"newest first", paths({"/a", "/b", "/c"}), {}, paths({"/c", "/b", "/a"})},
        {"a repeat moves to the front", paths({"/a", "/b", "/a"}), {}, paths({"/a", "/b"})},
        {"an empty path is no document", paths({"/a", ""}), {}, paths({"/a"})},
        {"the eleventh goes",
         paths({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10", "/11"}),
         {},
         paths({"/11", "/10", "/9", "/8", "/7", "/6", "/5", "/4", "/3", "/2"})},
        {"removed", paths({"/a", "/b", "/c"}), paths({"/b", "/x"}), paths({"/c", "/a"})},
    };
    for (const Row& row : rows) {
        RecentFiles recent;
        for (const fs::path& file : row.added)
            recent.add(file);
        for (const fs::path& file : row.removed)
            recent.remove(file);
        EXPECT_EQ(recent.files(), row.expected) << row.what;
    }
}

TEST(RecentFiles, KeptInTheUsersSettingsAndReadBackSafely) {
    const QTemporaryDir folder;
    QSettings settings(folder.filePath("kelvaro.conf"), QSettings::IniFormat);
    struct Row {
        const char* what;
        QVariant stored;
        std::vector<fs::path> expected;
    };
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QStringLiteral("/%1").arg(i);
    const Row rows[] = {
        {"nothing stored", QVariant(), {}},
        {"empty names and repeats left out", QStringList{"/a", "", "/b", "/a"},
         paths({"/a", "/b"})},
        {"the first ten of more", twelve,
         paths({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"})},
        {"one name alone", QStringLiteral("/only"), paths({"/only"})},
    };
    for (const Row& row : rows) {
        settings.setValue("recentFiles", row.stored);
        EXPECT_EQ(RecentFiles::readFrom(settings).files(), row.expected) << row.what;
    }
    RecentFiles recent;
    recent.add("/b");
    recent.add("/a/\xff.kelvaro");  // a name that is no UTF-8 keeps its bytes
    recent.writeTo(settings);
    EXPECT_EQ(RecentFiles::readFrom(settings).files(), recent.files());
}

// Opens the window menu and, in its recent submenu, chooses the item whose text starts with
// `caption` (none: closes the menu); returns the submenu's item texts, or "(disabled)".
QStringList chooseRecent(EditorFixture& editor, const QString& caption) {
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        auto* recent = menu->findChild<QMenu*>("recentFilesMenu");
        for (QAction* action : recent->actions())
            items << action->text();
        if (!recent->isEnabled())
            items = QStringList{"(disabled)"};
        for (QAction* action : recent->actions()) {
            if (!caption.isEmpty() && recent->isEnabled() && action->text().startsWith(caption)) {
                menu->setActiveAction(recent->menuAction());
                QTest::keyClick(menu, Qt::Key_Right);
                recent->setActiveAction(action);
                QTest::keyClick(recent, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
    editor.chooseFromMenu({});
    return items;
}

TEST(RecentFiles, TheWindowMenuOpensThemDropsTheGoneAndClears) {
    const TempFolder out;
    EditorFixture editor;
    editor.open();
    EXPECT_EQ(chooseRecent(editor, {}), QStringList{"(disabled)"});
    const fs::path a = out.path() / "a.kelvaro";
    const fs::path b = out.path() / "b.kelvaro";
    ASSERT_TRUE(editor.portrait().saveDocument(a));
    editor.click(ids::kGenerate);
    ASSERT_TRUE(editor.portrait().saveDocument(b));
    const QStringList listed = {"&1 " + toQtPath(b), "&2 " + toQtPath(a), "", "Wyczyść listę"};
    EXPECT_EQ(chooseRecent(editor, "&2"), listed);
    EXPECT_EQ(editor.portrait().documentFile(), a) << "opened, with no steps to lose";

    editor.restart();  // remembered for the next run, newest first
    fs::remove(b);
    editor.modals().answerMessageBox();
    chooseRecent(editor, "&2");
    EXPECT_EQ(editor.modals().messages,
              QStringList{"ファイルが見つからないため、一覧から外しました\n" + toQtPath(b)});
    EXPECT_EQ(editor.dialog().recentFiles().files(), std::vector<fs::path>{a});
    chooseRecent(editor, "Wyczyść listę");
    EXPECT_TRUE(editor.dialog().recentFiles().files().empty());
    EXPECT_TRUE(RecentFiles::readFrom(UserSettings()).files().empty());
    EXPECT_TRUE(editor.modals().unexpected.isEmpty());
}

}  // namespace
}  // namespace kelvaro::test
