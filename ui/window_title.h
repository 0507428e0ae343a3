// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor window's title: "Kelvaro" with no document, "name.kelvaro[*] – Kelvaro" with one
// (the file's name alone; Qt shows "*" for the placeholder while the window is modified).
#pragma once

#include <QString>
#include <filesystem>

class QWidget;

namespace kelvaro {

class PortraitEditor;

// The title for the document `documentFile` (empty: none). A "[*]" inside the file's name is
// doubled, so that only the placeholder after it marks changes.
QString documentWindowTitle(const std::filesystem::path& documentFile);

// Gives `window` the title of `editor`'s document, modified while that document has changes
// not saved.
void showDocumentTitle(QWidget& window, const PortraitEditor& editor);

}  // namespace kelvaro
