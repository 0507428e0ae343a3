// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Tooltips of the buttons the accessible texts (accessible_names.h) leave without one: what the
// button does, and its key where it has one ("Pomoc (F1)"). The editor window itself tells that
// the right mouse button and Shift+F10 open the menu with more commands.
#pragma once

class QWidget;

namespace kelvaro {

// Gives the buttons found in `window` (by object name) their tooltips, and the editor window
// its own when `window` is it.
void applyToolTips(QWidget& window);

}  // namespace kelvaro
