// "Zapisz": saves the portrait as shown, at the chosen size, as PNG or BMP. A PNG also carries
// the portrait document, so that it opens again as an editable portrait.
#include <QComboBox>
#include <QFileDialog>

#include "imaging/export.h"
#include "imaging/file_boundary.h"
#include "model/document_file.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {
namespace {

// Display texts keep their trailing spaces; the patterns follow in brackets.
const QStringList& saveFilters() {
    static const QStringList filters = {QStringLiteral("Mapa bitowa 24-bit (*.bmp)  "),
                                        QStringLiteral("Plik PNG (*.png)     ")};
    return filters;
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

void CKelvaroDlg::onSave() {
    endGesture();
    auto canvas = makeCanvasPixels();
    composeInto(*canvas);
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(saveFilters());
    dialog.selectNameFilter(saveFilters().front());
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    showExactFilterTexts(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().front();
    const std::string recipe = writeDocumentJson(documentOf(m_state));
    if (!exportPortrait(*canvas, m_state.sizeChoice, toPath(chosen), recipe)) {
        report(QStringLiteral("画像ファイルの保存に失敗しました\n%1").arg(chosen));
        return;
    }
    markSaved();
}

}  // namespace kelvaro
