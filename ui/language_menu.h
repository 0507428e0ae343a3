// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Język / Language" in the window menu: one radio item per language, named in that language
// ("Polski", "English", "日本語", never translated), and "Jak system" to follow the desktop; the
// user's current choice is checked. Choosing an item switches the language at once and
// remembers the choice (ui/language_switch.h). The submenu's own title is written in two
// languages so that it is found whatever the program speaks.
#pragma once

class QMenu;

namespace kelvaro {

// Adds the submenu to `menu`, followed by a separator. Its items carry no command identifier
// (their data is 0): they act when triggered.
void addLanguageMenu(QMenu& menu);

}  // namespace kelvaro
