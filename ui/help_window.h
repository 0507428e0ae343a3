// The help page: a Polish HTML page shipped beside the program, named after the program file
// with the extension ".html", shown in a window of its own.
#pragma once

#include <QDialog>
#include <filesystem>

namespace kelvaro {

// The program file's path with its extension replaced by ".html".
std::filesystem::path defaultHelpFile();

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows `page`, or returns false when it cannot be read.
    static bool showPage(const std::filesystem::path& page, QWidget* owner);

private:
    HelpWindow(const QString& html, const QString& folder, QWidget* owner);
};

}  // namespace kelvaro
