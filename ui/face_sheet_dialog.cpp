// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/face_sheet_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <array>

#include "editing/portrait_editor.h"
#include "model/sheet_layouts.h"

namespace kelvaro {
namespace {

// The sheets offered, in the order of the filters: the layout's name and the filter's text.
struct SheetChoice {
    const char* layout;
    const char* filter;
};

constexpr std::array<SheetChoice, 3> kSheetChoices = {{
    {"mz", QT_TRANSLATE_NOOP("kelvaro::FaceSheetDialog", "RPG Maker MZ/MV (4×2, 144 px) (*.png)")},
    {"vxace",
     QT_TRANSLATE_NOOP("kelvaro::FaceSheetDialog", "RPG Maker VX Ace (4×2, 96 px) (*.png)")},
    {"rm2000",
     QT_TRANSLATE_NOOP("kelvaro::FaceSheetDialog", "RPG Maker 2000/2003 (4×4, 48 px) (*.png)")},
}};

}  // namespace

FaceSheetDialog::FaceSheetDialog(QWidget* owner) : FileDialog(owner) {
    setObjectName(QStringLiteral("faceSheetDialog"));
    setWindowTitle(tr("Zapisz arkusz twarzy"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const SheetChoice& choice : kSheetChoices)
        filters << tr(choice.filter);
    setNameFilters(filters);
    setDefaultSuffix(QStringLiteral("png"));
    m_transparent = new QCheckBox(tr("Przezroczyste tło"), this);
    m_transparent->setObjectName(QStringLiteral("transparentSheet"));
    // Qt's own dialog lays itself out on a grid: the choice goes on a row of its own below it.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_transparent, grid->rowCount(), 0, 1, grid->columnCount());
}

const SheetLayout& FaceSheetDialog::sheetLayout() const {
    const auto filters = nameFilters();
    const auto index = std::max<qsizetype>(0, filters.indexOf(selectedNameFilter()));
    static const std::array<SheetLayout, kSheetChoices.size()> layouts = [] {
        std::array<SheetLayout, kSheetChoices.size()> all{};
        for (std::size_t i = 0; i < kSheetChoices.size(); ++i)
            all[i] = *sheetLayoutNamed(kSheetChoices[i].layout);
        return all;
    }();
    return layouts[static_cast<std::size_t>(index)];
}

bool FaceSheetDialog::transparent() const {
    return m_transparent->isChecked();
}

void exportFaceSheetWithDialog(QWidget& window, PortraitEditor& editor) {
    editor.endGesture();
    FaceSheetDialog dialog(&window);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenFile().empty())
        return;
    editor.exportFaceSheet(dialog.chosenFile(), dialog.sheetLayout(),
                           dialog.transparent() ? Backdrop::Transparent : Backdrop::Opaque);
}

void exportFacesWithDialog(QWidget& window, PortraitEditor& editor) {
    editor.endGesture();
    FileDialog dialog(&window);
    dialog.setObjectName(QStringLiteral("facesFolderDialog"));
    dialog.setWindowTitle(FaceSheetDialog::tr("Zapisz miny jako pliki"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() == QDialog::Accepted && !dialog.chosenFile().empty())
        editor.exportFaces(dialog.chosenFile());
}

}  // namespace kelvaro
