// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The program's message box: a warning icon, the application name as caption, modal over
// `parent` (or the whole application when there is none).
#pragma once

#include <QMessageBox>

namespace kelvaro {

// Shows `text` and returns the button the user answered with (any other way of closing the
// box counts as Cancel when Cancel is offered). `defaultButton`, when given, is the one Enter
// presses; otherwise Qt picks it from the buttons' roles.
QMessageBox::StandardButton showWarning(
    QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace kelvaro
