// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The window's side of saving and of portrait documents: the questions and file dialogs (Qt's own,
// not the desktop's, as every dialog here) before the portrait's owner opens, saves or exports.
#pragma once

#include <QStringList>
#include <filesystem>

class QWidget;

namespace kelvaro {

class PortraitEditor;

// "Zapisz": the save dialog, then the portrait at the chosen size as PNG or BMP.
void exportWithDialog(QWidget& window, PortraitEditor& editor);
// The filters of files holding a portrait: portrait documents and PNG files saved by Kelvaro.
QStringList portraitFileFilters();

// "Otwórz portret…": asks first when steps would be lost, then opens the file chosen.
void openWithDialog(QWidget& window, PortraitEditor& editor);
// Opens `file` as "Otwórz portret…" does once a file is chosen: asks first when steps would be
// lost; the owner reports a file it cannot open.
void openPortraitFile(QWidget& window, PortraitEditor& editor, const std::filesystem::path& file);
// "Zapisz portret": to the document file, or as a file chosen when there is none yet.
void saveDocument(QWidget& window, PortraitEditor& editor);
// "Zapisz portret jako…": to a file chosen.
void saveDocumentAs(QWidget& window, PortraitEditor& editor);

}  // namespace kelvaro
