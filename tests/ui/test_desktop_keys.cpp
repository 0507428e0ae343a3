// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Desktop habits of both windows: the window menu from the keyboard, a tooltip on every button,
// and the companion's open tab kept for its next opening.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "tests/ui/editor_fixture.h"
#include "ui/colours_tab.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

// Runs `act` and returns the object name of the menu it opened ("" for none), closing that menu.
QString menuOpenedBy(const std::function<void()>& act) {
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = popup->objectName();
            popup->close();
        }
    });
    act();
    return opened;
}

TEST(DesktopKeys, ShiftF10AndTheMenuKeyOpenTheWindowMenuInBothWindows) {
    EditorFixture editor;
    editor.open();
    editor.press(Qt::Key_F4);  // the companion, on its colours tab
    CompanionWindow* companion = editor.dialog().companion();
    ASSERT_NE(companion, nullptr);
    const struct {
        const char* what;
        QWidget* target;
        QKeyCombination key;
        QString menu;
    } rows[] = {
        {"list, Shift+F10", editor.widget<QComboBox>(ids::kElementList), Qt::SHIFT | Qt::Key_F10,
         "windowMenu"},
        {"edit, Menu", editor.widget<QLineEdit>(ids::kRedEdit), QKeyCombination(Qt::Key_Menu),
         "windowMenu"},
        {"companion, Shift+F10", companion->coloursTab(), Qt::SHIFT | Qt::Key_F10, "windowMenu"},
        {"companion, Menu", companion->coloursTab(), QKeyCombination(Qt::Key_Menu), "windowMenu"},
        {"plain F10", editor.widget<QComboBox>(ids::kElementList), QKeyCombination(Qt::Key_F10),
         ""},
    };
    for (const auto& row : rows) {
        row.target->setFocus();
        activateWindowOf(row.target);  // before the menu is looked for: activating runs events
        EXPECT_EQ(menuOpenedBy([&] {
                      QTest::keyClick(row.target, row.key.key(), row.key.keyboardModifiers());
                  }),
                  row.menu)
            << row.what;
    }
    // The Menu key's own context menu, which some window systems send as well, opens nothing.
    QLineEdit* edit = editor.widget<QLineEdit>(ids::kRedEdit);
    QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                   edit->mapToGlobal(QPoint(2, 2)));
    EXPECT_EQ(menuOpenedBy([&] { QApplication::sendEvent(edit, &fromKeyboard); }), "");
}

TEST(DesktopKeys, EveryButtonOfBothWindowsHasATooltip) {
    EditorFixture editor;
    editor.open();
    editor.press(Qt::Key_F3);
    ASSERT_NE(editor.dialog().companion(), nullptr);
    EXPECT_FALSE(editor.dialog().toolTip().isEmpty());
    for (QWidget* window : {static_cast<QWidget*>(&editor.dialog()),
                            static_cast<QWidget*>(editor.dialog().companion())}) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->window() == window) {
                EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(editor.widget<QWidget>(ids::kHelp)->toolTip(), "Otwórz pomoc (F1)");
}

TEST(DesktopKeys, TheCompanionsOpenTabIsKeptForItsNextOpening) {
    EditorFixture editor;
    editor.open();
    editor.press(Qt::Key_F5);
    editor.press(Qt::Key_F4);
    editor.press(Qt::Key_F4);  // closed on the colours tab
    ASSERT_FALSE(editor.dialog().companion()->isVisible());
    editor.restart();
    CompanionWindow next(editor.portrait(), editor.dialog());
    EXPECT_EQ(next.tabs()->currentWidget(), next.coloursTab());
}

}  // namespace
}  // namespace kelvaro::test
