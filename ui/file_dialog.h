// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Qt's own file dialog (not the platform's), as every file dialog of the editor: it asks before
// a file that exists is replaced also when Qt cannot see that file (its name is not UTF-8), and
// gives the chosen file as the program names it, byte for byte.
#pragma once

#include <QFileDialog>
#include <filesystem>

namespace kelvaro {

class FileDialog : public QFileDialog {
public:
    explicit FileDialog(QWidget* owner);

    // The file chosen; empty when none was.
    std::filesystem::path chosenFile() const;

    void accept() override;
};

// Qt's own dialog (named `objectName`) for choosing an existing file of `filters`; the file
// chosen, or an empty path when none was.
std::filesystem::path chooseFileToOpen(QWidget& owner, const QString& objectName,
                                       const QStringList& filters);

}  // namespace kelvaro
