// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The "Język / Language" submenu: the language chosen speaks at once in the editor and its
// companion, is remembered for the next start, and "Jak system" forgets it. Which language the
// desktop gives is the language rule's own test (tests/i18n).
#include <gtest/gtest.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QUndoStack>

#include "tests/ui/editor_fixture.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"
#include "ui/language_switch.h"
#include "ui/user_settings.h"

namespace kelvaro::test {
namespace {

const QString kLanguageMenu = QStringLiteral("Język / Language");

// The widgets take in a change of language from posted events.
void takeInLanguageChange() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QStringList tabTexts(const QTabWidget& tabs) {
    QStringList texts;
    for (int i = 0; i < tabs.count(); ++i)
        texts << tabs.tabText(i);
    return texts;
}

std::vector<std::pair<QString, bool>> checkedStates(
    const std::vector<EditorFixture::MenuItem>& items) {
    std::vector<std::pair<QString, bool>> states;
    for (const auto& item : items)
        states.emplace_back(item.text, item.checked);
    return states;
}

TEST(LanguageSwitch, EnglishFromTheMenuSpeaksAtOnceAndJakSystemForgetsTheChoice) {
    const NoLanguageAfterwards restore;
    EditorFixture editor;
    editor.open();
    editor.selectElement(kIris);
    editor.click(ids::kGenerate);
    editor.press(Qt::Key_F3);
    CompanionWindow* companion = editor.dialog().companion();
    ASSERT_NE(companion, nullptr);
    const auto before = editor.chooseFromMenuPath({kLanguageMenu});

    editor.chooseFromMenuPath({kLanguageMenu, "English"});
    takeInLanguageChange();

    auto* list = editor.widget<QComboBox>(ids::kElementList);
    EXPECT_EQ(editor.widget<QPushButton>(ids::kGenerate)->text(), "Generate");
    EXPECT_EQ(editor.widget<QPushButton>(ids::kOk)->text(), "Save");
    EXPECT_EQ(list->itemText(kFace), "Face");
    EXPECT_EQ(list->currentIndex(), kIris);
    EXPECT_EQ(list->currentText(), "Pupils");
    EXPECT_EQ(editor.widget<QPushButton>(ids::kMoveUp)->toolTip(), "Move the feature one pixel up");
    EXPECT_EQ(editor.widget<QPushButton>(ids::kMoveUp)->accessibleName(), "Move up");
    EXPECT_EQ(companion->windowTitle(), "Toolbox");
    EXPECT_EQ(tabTexts(*companion->tabs()), QStringList({"Parts", "Colours", "Expressions"}));
    EXPECT_EQ(UserSettings().value("language").toString(), "en");
    const auto after = editor.chooseFromMenuPath({kLanguageMenu});
    const auto menu = editor.chooseFromMenu("Undo");
    ASSERT_GT(menu.size(), 2u);
    EXPECT_EQ(menu[0].text, "Minimise");
    EXPECT_EQ(menu[2].text, "Undo: Generate\tCtrl+Z");
    EXPECT_FALSE(editor.portrait().history().canUndo());

    editor.chooseFromMenuPath({kLanguageMenu, "System default"});
    takeInLanguageChange();
    EXPECT_FALSE(UserSettings().contains("language"));
    EXPECT_EQ(spokenLanguage(), desktopLanguage());

    using States = std::vector<std::pair<QString, bool>>;
    EXPECT_EQ(
        checkedStates(before),
        States({{"Polski", false}, {"English", false}, {"日本語", false}, {"Jak system", true}}));
    EXPECT_EQ(
        checkedStates(after),
        States(
            {{"Polski", false}, {"English", true}, {"日本語", false}, {"System default", false}}));
}

TEST(LanguageSwitch, ANewEditorComesUpInTheRememberedLanguage) {
    const NoLanguageAfterwards restore;
    EditorFixture editor;
    editor.open();
    UserSettings().setValue("language", "en");
    speakRememberedLanguage();  // as the program starts
    editor.restart();
    takeInLanguageChange();

    EXPECT_EQ(editor.dialog().windowTitle(), "Kelvaro");
    EXPECT_EQ(editor.widget<QPushButton>(ids::kCancel)->text(), "Close");
    EXPECT_EQ(editor.widget<QComboBox>(ids::kElementList)->itemText(kFace), "Face");
    const auto groups = editor.dialog().findChildren<QGroupBox*>();
    ASSERT_FALSE(groups.isEmpty());
    EXPECT_EQ(groups.front()->title(), "Facial feature");
    UserSettings().remove("language");
}

}  // namespace
}  // namespace kelvaro::test
