// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/save_dialog.h"

#include <QComboBox>
#include <QCoreApplication>

namespace kelvaro {
namespace {

// Display texts keep their trailing spaces; the patterns follow in brackets.
QStringList saveFilters() {
    static const char* const texts[] = {
        QT_TRANSLATE_NOOP("SaveDialog", "Mapa bitowa 24-bit (*.bmp)  "),
        QT_TRANSLATE_NOOP("SaveDialog", "Plik PNG (*.png)     ")};
    return {QCoreApplication::translate("SaveDialog", texts[0]),
            QCoreApplication::translate("SaveDialog", texts[1])};
}

// The dialog trims the display texts it is given; its list of file types shows them exactly.
void showExactFilterTexts(QFileDialog& dialog) {
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!types)
        return;
    for (int i = 0; i < types->count() && i < saveFilters().size(); ++i) {
        types->setItemText(i, saveFilters()[i]);
    }
}

}  // namespace

SaveDialog::SaveDialog(QWidget* owner) : FileDialog(owner) {
    setObjectName(QStringLiteral("saveDialog"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(saveFilters());
    selectNameFilter(saveFilters().front());
    setDefaultSuffix(QStringLiteral("bmp"));
    showExactFilterTexts(*this);
}

}  // namespace kelvaro
