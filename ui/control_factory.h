// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Creates one widget from a row of a dialog template, placed in pixels and carrying its
// identifier in the property "controlId" and the object name "control<id>".
#pragma once

#include <QWidget>

#include "ui/dialog_template.h"

namespace kelvaro {

QWidget* createControl(const ControlTemplate& row, QWidget* parent);

// Creates every control of `dialogTemplate` in template order, fixes the dialog's size and
// title, and chains the tab stops in template order.
void buildFromTemplate(const DialogTemplate& dialogTemplate, QWidget* dialog);

// Shows the captions of the controls buildFromTemplate made in `dialog` in the language the
// program now speaks (after a change of language). The window's title is left to its owner: the
// editor's names the document it shows.
void showTemplateCaptions(QWidget* dialog);

int controlId(const QWidget* widget);

}  // namespace kelvaro
