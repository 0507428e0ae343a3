// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The file dialogs of the portrait document commands: Qt's own, not the desktop's, as every
// dialog here. Opening offers portrait documents and PNG files; saving writes ".kelvaro".
#pragma once

#include <QFileDialog>
#include <filesystem>

namespace kelvaro {

// The file the user chose, or an empty path when the dialog was cancelled.
std::filesystem::path choosePortraitFile(QWidget* parent, QFileDialog::AcceptMode mode);

}  // namespace kelvaro
