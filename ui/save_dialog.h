// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The save dialog of "Zapisz": both file types (BMP first, their display texts exactly as
// given), the default suffix "bmp", and the overwrite question of FileDialog.
#pragma once

#include "ui/file_dialog.h"

namespace kelvaro {

class SaveDialog : public FileDialog {
public:
    explicit SaveDialog(QWidget* owner);
};

}  // namespace kelvaro
