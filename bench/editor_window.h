// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor window as the window benchmarks open it.
#pragma once

#include <memory>

#include "ui/kelvaro_dlg.h"

namespace kelvaro::bench {

// An editor window shown on the sample library, opened in the library's folder as ./run opens
// it, its events processed.
std::unique_ptr<CKelvaroDlg> openedEditorWindow();

}  // namespace kelvaro::bench
