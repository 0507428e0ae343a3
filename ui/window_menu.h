// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The window menu the window manager does not offer, opened by a right click on the editor and by
// Shift+F10 or the Menu key: "Minimalizuj", "Zamknij", the editor's own commands with the
// "Ostatnio otwierane" submenu after "Otwórz portret…", "O programie Kelvaro".
#pragma once

#include <QPoint>
#include <optional>

class QWidget;

namespace kelvaro {

class EditorKeys;
class RecentFiles;

// What was chosen in the window menu besides an editor command, which runs at once.
struct WindowMenuChoice {
    int command = 0;                        // a window command's identifier; 0 when none
    std::optional<std::size_t> recentFile;  // the place of a recent document in the list
    bool clearRecent = false;               // "Wyczyść listę"
};

// Shows the menu at `at` (global coordinates) over `window`, with `recent` in its submenu (which
// is disabled when the list is empty).
WindowMenuChoice execWindowMenu(QWidget& window, const EditorKeys& keys, const RecentFiles& recent,
                                QPoint at);

}  // namespace kelvaro
