// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Zapisz": saves the portrait as shown, at the chosen size, as PNG or BMP. A PNG also carries
// the portrait document, so that it opens again as an editable portrait.
#include "imaging/export.h"
#include "imaging/file_boundary.h"
#include "model/document_file.h"
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
    if (!exportPortrait(*canvas, m_state.sizeChoice, chosen, recipe)) {
        report(QStringLiteral("画像ファイルの保存に失敗しました\n%1").arg(toQtPath(chosen)));
        return;
    }
    markSaved();
}

}  // namespace kelvaro
