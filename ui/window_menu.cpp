// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/window_menu.h"

#include <QCoreApplication>
#include <QMenu>
#include <array>

#include "io/file_boundary.h"
#include "ui/control_ids.h"
#include "ui/editor_keys.h"
#include "ui/language_menu.h"
#include "ui/recent_files.h"

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

constexpr int kClearRecentItem = -1;  // the data of "Wyczyść listę"; documents carry their place

// "&1 /folder/name.kelvaro": the first nine with their digit as mnemonic, "&" shown as it is.
QString recentItemText(std::size_t place, const std::filesystem::path& file) {
    QString name = toQtPath(file);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number = QString::number(place + 1);
    return (place < 9 ? QStringLiteral("&") : QString()) + number + QLatin1Char(' ') + name;
}

QMenu* addRecentMenu(QMenu& menu, const RecentFiles& recent) {
    QMenu* submenu = menu.addMenu(QCoreApplication::translate("WindowMenu", "Ostatnio otwierane"));
    submenu->setObjectName(QStringLiteral("recentFilesMenu"));
    const auto& files = recent.files();
    for (std::size_t place = 0; place < files.size(); ++place)
        submenu->addAction(recentItemText(place, files[place]))->setData(static_cast<int>(place));
    submenu->addSeparator();
    submenu->addAction(QCoreApplication::translate("WindowMenu", "Wyczyść listę"))
        ->setData(kClearRecentItem);
    submenu->setEnabled(!files.empty());
    return submenu;
}

WindowMenuChoice recentChoice(const QAction& chosen) {
    const int data = chosen.data().toInt();
    if (data == kClearRecentItem)
        return {0, std::nullopt, true};
    return {0, static_cast<std::size_t>(data), false};
}

}  // namespace

WindowMenuChoice execWindowMenu(QWidget& window, const EditorKeys& keys, const RecentFiles& recent,
                                QPoint at) {
    QMenu menu(&window);
    menu.setObjectName(QStringLiteral("windowMenu"));
    QMenu* recentMenu = nullptr;
    for (const WindowMenuItem& item : kWindowMenu) {
        if (item.commandId == 0) {
            menu.addSeparator();
            continue;
        }
        if (item.commandId == ids::kAboutItem) {
            keys.addMenuItems(menu, [&](QMenu& m) { recentMenu = addRecentMenu(m, recent); });
            addLanguageMenu(menu);
        }
        QAction* action = menu.addAction(QCoreApplication::translate("WindowMenu", item.text));
        action->setData(item.commandId);
    }
    const QAction* chosen = menu.exec(at);
    if (chosen && chosen->parent() == recentMenu)  // before the editor's items, whose data differ
        return recentChoice(*chosen);
    if (!chosen || keys.runMenuItem(*chosen))
        return {};
    return {chosen->data().toInt(), std::nullopt, false};
}

}  // namespace kelvaro
