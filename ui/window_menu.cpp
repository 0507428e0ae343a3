// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/window_menu.h"

#include <QMenu>
#include <array>

#include "ui/control_ids.h"
#include "ui/editor_keys.h"

namespace kelvaro {
namespace {

struct WindowMenuItem {
    int commandId;  // 0: a separator
    const char* text;
};
constexpr std::array<WindowMenuItem, 4> kWindowMenu = {{
    {ids::kSysMinimize, "Minimalizuj"},
    {ids::kSysClose, "Zamknij\tAlt+F4"},
    {0, ""},
    {ids::kAboutItem, "O programie Kelvaro(&A)"},
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
        if (item.commandId == ids::kAboutItem)
            keys.addMenuItems(menu);
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        action->setData(item.commandId);
    }
    const QAction* chosen = menu.exec(at);
    if (!chosen || keys.runMenuItem(*chosen))
        return 0;
    return chosen->data().toInt();
}

}  // namespace kelvaro
