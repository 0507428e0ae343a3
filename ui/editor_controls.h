// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor window's controls, built from its template: every control by its identifier, and at
// hand the ones the data exchange reads and writes.
#pragma once

#include <array>
#include <map>

#include "imaging/colour_settings.h"
#include "ui/canvas_frame.h"

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kelvaro {

struct EditorControls {
    std::map<int, QWidget*> byId;
    CanvasFrame* canvas = nullptr;
    QComboBox* elementList = nullptr;
    QLabel* counter = nullptr;
    std::array<QLineEdit*, kColourSettingCount> edits{};
    std::array<QScrollBar*, kColourSettingCount> bars{};
    std::array<QRadioButton*, 3> sizeButtons{};

    // The control with identifier `id`; null for none.
    QWidget* control(int id) const;
    QPushButton* button(int id) const;
};

// Builds the template's controls in `window`, the canvas drawing what `composer` composes. The
// bars step by 1 and 10 and offer no menu of their own; "Zapisz" is the default button.
EditorControls buildEditorControls(QDialog& window, CanvasFrame::Composer composer);

}  // namespace kelvaro
