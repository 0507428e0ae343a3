// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/editor_window.h"

#include <QApplication>

#include "bench/editor_bench_support.h"

namespace kelvaro::bench {

std::unique_ptr<CKelvaroDlg> openedEditorWindow() {
    const auto library = sampleLibrary();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(library);
    auto editor = std::make_unique<CKelvaroDlg>(library / "Kelvaro.ini");
    editor->show();
    QApplication::processEvents();
    std::filesystem::current_path(previous);
    return editor;
}

}  // namespace kelvaro::bench
