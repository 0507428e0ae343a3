// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The help page: an HTML page named after the program file with the extension ".html" (Polish),
// with a page for each language beside it ("kelvaro.en.html", "kelvaro.ja.html"), shown in a
// window of its own. They lie beside the program in the build tree and in the program's data
// folder (share/kelvaro/ beside bin/) when installed.
#pragma once

#include <QDialog>
#include <filesystem>

namespace kelvaro {

// The help page of the program file `programFile`: the page beside it if there is one, else
// the page in the installed data folder if there is one, else (missing) the page beside it.
std::filesystem::path helpFileFor(const std::filesystem::path& programFile);
// The help page of the running program.
std::filesystem::path defaultHelpFile();
// The page of the language installed now: `page` with its ".html" replaced by the ending the
// catalogue gives (".en.html" in English), when that page is a regular file; else `page`
// itself (the Polish page, also for a language without a page of its own).
std::filesystem::path pageInLanguage(const std::filesystem::path& page);

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // Shows pageInLanguage(`page`), or returns false when it cannot be read.
    static bool showPage(const std::filesystem::path& page, QWidget* owner);

private:
    HelpWindow(const QString& html, const QString& folder, QWidget* owner);
};

}  // namespace kelvaro
