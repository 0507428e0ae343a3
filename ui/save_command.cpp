// "Zapisz": saves the portrait as shown, at the chosen size, as PNG or BMP.
#include "imaging/export.h"
#include "imaging/file_boundary.h"
#include "ui/kelvaro_dlg.h"
#include "ui/save_dialog.h"

namespace kelvaro {

void CKelvaroDlg::onSave() {
    auto canvas = makeCanvasPixels();
    composeInto(*canvas);
    SaveDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenFile().empty())
        return;
    const std::filesystem::path chosen = dialog.chosenFile();
    if (!exportPortrait(*canvas, m_state.sizeChoice, chosen)) {
        report(QStringLiteral("画像ファイルの保存に失敗しました\n%1").arg(toQtPath(chosen)));
        return;
    }
    m_state.saved = true;
}

}  // namespace kelvaro
