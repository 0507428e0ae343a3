// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// Ctrl+Q, the desktop's usual key to quit, wherever the focus is in the editor window: it runs
// the close command, so an unsaved portrait asks first, as the "Zamknij" button does.
#pragma once

namespace kelvaro {

class CKelvaroDlg;

void addQuitKey(CKelvaroDlg& editor);

}  // namespace kelvaro
