// "Zapisz": saves the portrait as shown, at the chosen size, as PNG or BMP.
#include <QComboBox>
#include <QFileDialog>

#include "imaging/export.h"
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
    if (!exportPortrait(*canvas, m_state.sizeChoice, std::filesystem::path(chosen.toStdString()))) {
        report(QStringLiteral("画像ファイルの保存に失敗しました\n%1").arg(chosen));
        return;
    }
    m_state.saved = true;
}

}  // namespace kelvaro
