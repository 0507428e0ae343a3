// The save dialog of "Zapisz": Qt's own file dialog (not the platform's), which asks before a
// file that exists is replaced, also a file whose name Qt cannot show.
#pragma once

#include <QFileDialog>
#include <filesystem>

namespace kelvaro {

class SaveDialog : public QFileDialog {
public:
    explicit SaveDialog(QWidget* owner);

    // The file chosen, as the program names it; empty when none was.
    std::filesystem::path chosenFile() const;

    void accept() override;
};

}  // namespace kelvaro
