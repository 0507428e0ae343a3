// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The window menu the window manager does not offer, opened by a right click on the editor:
// "Minimalizuj", "Zamknij", the editor's own commands, "O programie Kelvaro".
#pragma once

#include <QPoint>

class QWidget;

namespace kelvaro {

class EditorKeys;

// Shows the menu at `at` (global coordinates) over `window`. An editor command chosen runs at
// once; returns the identifier of a window command chosen, 0 when none was.
int execWindowMenu(QWidget& window, const EditorKeys& keys, QPoint at);

}  // namespace kelvaro
