// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// Accessible names and tooltips of the editor's controls whose captions do not say what
// they do: the symbol buttons, the colour bars and edits, the size buttons, the canvas, the list
// and the counter. Screen readers read the name, and the tooltip as the description; a mouse
// user sees the tooltip.
#pragma once

#include <QWidget>
#include <span>

namespace kelvaro {

struct AccessibleText {
    int id;            // the control's identifier (ui/control_ids.h)
    const char* name;  // null: the control's text is its name (the counter shows a number)
    const char* toolTip;
};

std::span<const AccessibleText> accessibleTexts();

// Gives every control of `window` that the table lists its name and tooltip in the language the
// program speaks; call it once the controls are built, and again when the language changes.
void applyAccessibleTexts(QWidget* window);

}  // namespace kelvaro
