// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/help_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "imaging/codec.h"
#include "io/file_boundary.h"

namespace kelvaro {

std::filesystem::path helpFileFor(const std::filesystem::path& programFile) {
    std::filesystem::path beside = programFile;
    beside.replace_extension(".html");
    if (isRegularFile(beside))
        return beside;
    const std::filesystem::path installed =
        (programFile.parent_path() / KELVARO_BIN_TO_DATA / beside.filename()).lexically_normal();
    return isRegularFile(installed) ? installed : beside;
}

std::filesystem::path defaultHelpFile() {
    return helpFileFor(runningProgramFile());
}

std::filesystem::path pageInLanguage(const std::filesystem::path& page) {
    const QString ending = QCoreApplication::translate(
        "HelpPage", ".html", "the ending of the help page's file name in this language");
    std::filesystem::path translated = page;
    translated.replace_extension(ending.toStdString());
    return isRegularFile(translated) ? translated : page;
}

bool HelpWindow::showPage(const std::filesystem::path& page, QWidget* owner) {
    const std::filesystem::path shown = pageInLanguage(page);
    QFile file;
    if (!openRegularFile(shown, file))
        return false;
    // One help window at a time: an older one gives way to the page just asked for.
    for (HelpWindow* older : owner->findChildren<HelpWindow*>(Qt::FindDirectChildrenOnly)) {
        older->close();
    }
    auto* window =
        new HelpWindow(QString::fromUtf8(file.readAll()), toQtPath(shown.parent_path()), owner);
    window->show();
    return true;
}

HelpWindow::HelpWindow(const QString& html, const QString& folder, QWidget* owner)
    : QDialog(owner, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Kelvaro – pomoc"));
    auto* browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({folder});
    browser->setHtml(html);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(560, 480);
}

}  // namespace kelvaro
