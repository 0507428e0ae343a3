#include "ui/save_dialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QMessageBox>

#include "imaging/file_boundary.h"

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

// A file that exists although Qt, which reads names as UTF-8, cannot find it: its name holds
// bytes that are not UTF-8, so the dialog's own overwrite question never sees it.
bool existsUnseenByQt(const QString& file) {
    const std::filesystem::path path = toPath(file);
    std::error_code error;
    return entryExists(path) && !std::filesystem::is_directory(path, error) &&
           !QFileInfo::exists(file);
}

}  // namespace

SaveDialog::SaveDialog(QWidget* owner) : QFileDialog(owner) {
    setObjectName(QStringLiteral("saveDialog"));
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(saveFilters());
    selectNameFilter(saveFilters().front());
    setDefaultSuffix(QStringLiteral("bmp"));
    showExactFilterTexts(*this);
}

std::filesystem::path SaveDialog::chosenFile() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::filesystem::path() : toPath(files.front());
}

void SaveDialog::accept() {
    const QStringList files = selectedFiles();
    if (files.isEmpty() || !existsUnseenByQt(files.front())) {
        QFileDialog::accept();
        return;
    }
    // The dialog's own question, in its words.
    const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(files.front()).fileName());
    if (QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes)
        return;
    setOption(QFileDialog::DontConfirmOverwrite, true);
    QFileDialog::accept();
    setOption(QFileDialog::DontConfirmOverwrite, false);
}

}  // namespace kelvaro
