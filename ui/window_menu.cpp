// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/window_menu.h"

#include <QCoreApplication>
#include <QMenu>
#include <array>

#include "ui/control_ids.h"
#include "ui/editor_keys.h"
#include "ui/language_menu.h"

namespace kelvaro {
namespace {

struct WindowMenuItem {
    int commandId;  // 0: a separator
    const char* text;
};
constexpr std::array<WindowMenuItem, 4> kWindowMenu = {{
    {ids::kSysMinimize, QT_TRANSLATE_NOOP("WindowMenu", "Minimalizuj")},
    {ids::kSysClose, QT_TRANSLATE_NOOP("WindowMenu", "Zamknij\tAlt+F4")},
    {0, ""},
    {ids::kAboutItem, QT_TRANSLATE_NOOP("WindowMenu", "O programie Kelvaro(&A)")},
}};

}  // namespace

int execWindowMenu(QWidget& window, const EditorKeys& keys, QPoint at) {
    QMenu menu(&window);
    menu.setObjectName(QStringLiteral("windowMenu"));
    for (const WindowMenuItem& item : kWindowMenu) {
        if (item.commandId == 0) {
            menu.addSeparator();
            continue;
        }
        if (item.commandId == ids::kAboutItem) {
            keys.addMenuItems(menu);
            addLanguageMenu(menu);
        }
        QAction* action = menu.addAction(QCoreApplication::translate("WindowMenu", item.text));
        action->setData(item.commandId);
    }
    const QAction* chosen = menu.exec(at);
    if (!chosen || keys.runMenuItem(*chosen))
        return 0;
    return chosen->data().toInt();
}

}  // namespace kelvaro
