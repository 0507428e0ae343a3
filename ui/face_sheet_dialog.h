// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Zapisz arkusz twarzy…": Qt's own save dialog with one filter per game's face sheet (RPG Maker
// MZ/MV, the default; VX Ace; 2000/2003) and a "Przezroczyste tło" choice that leaves out the
// wall. The layout follows the filter chosen; a name without ".png" gets it.
#pragma once

#include "ui/file_dialog.h"

class QCheckBox;

namespace kelvaro {

class PortraitEditor;
struct SheetLayout;

class FaceSheetDialog : public FileDialog {
    Q_OBJECT
public:
    explicit FaceSheetDialog(QWidget* owner);

    // The layout of the filter chosen.
    const SheetLayout& sheetLayout() const;
    bool transparent() const;
    QCheckBox* transparentBox() const { return m_transparent; }

private:
    QCheckBox* m_transparent = nullptr;
};

// Asks with the dialog, then has the owner write the sheet.
void exportFaceSheetWithDialog(QWidget& window, PortraitEditor& editor);

// "Zapisz miny jako pliki…": asks for a folder (Qt's own dialog), then has the owner write each
// face there.
void exportFacesWithDialog(QWidget& window, PortraitEditor& editor);

}  // namespace kelvaro
