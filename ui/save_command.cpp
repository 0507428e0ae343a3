// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Zapisz": saves the portrait as shown, at the chosen size, as PNG or BMP. A PNG also carries
// the portrait document, so that it opens again as an editable portrait.
#include "model/document_file.h"
#include "model/portrait_export.h"
#include "ui/kelvaro_dlg.h"
#include "ui/save_dialog.h"

namespace kelvaro {

void CKelvaroDlg::onSave() {
    endGesture();
    auto canvas = makeCanvasPixels();
    composeInto(*canvas);
    SaveDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenFile().empty())
        return;
    const std::filesystem::path chosen = dialog.chosenFile();
    const std::string recipe = writeDocumentJson(documentOf(m_state));
    const FileResult written = exportPortrait(*canvas, m_state.sizeChoice, chosen, recipe);
    if (!written) {
        reportText(fileFailureMessage("画像ファイルの保存に失敗しました", chosen, written));
        return;
    }
    markSaved();
}

}  // namespace kelvaro
