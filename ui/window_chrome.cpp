// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the editor window does besides editing: the About box and the window menu, its keys,
// help, and closing with its question.
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QShortcut>

#include "ui/about_dlg.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"
#include "ui/help_window.h"
#include "ui/kelvaro_dlg.h"
#include "ui/menu_keys.h"
#include "ui/warning_box.h"
#include "ui/window_keys.h"
#include "ui/window_menu.h"

namespace kelvaro {
namespace {

// The question keeps its trailing spaces, which widen the box.
const char* const kCloseQuestion =
    QT_TRANSLATE_NOOP("kelvaro::CKelvaroDlg", "Zakończyć pracę z programem?          ");

}  // namespace

void CKelvaroDlg::onAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CKelvaroDlg::onHelp() {
    if (!HelpWindow::showPage(m_helpFile, this)) {
        report(tr("Nie można znaleźć pliku z pomocą."));
    }
}

void CKelvaroDlg::onSystemCommand(int commandId) {
    if ((commandId & 0xFFF0) == ids::kAboutItem) {
        onAbout();
    } else if (commandId == ids::kSysMinimize) {
        showMinimized();
    } else if (commandId == ids::kSysClose) {
        onCloseCommand();
    }
}

void CKelvaroDlg::contextMenuEvent(QContextMenuEvent* event) {
    openWindowMenu(event->globalPos());
}

void CKelvaroDlg::openWindowMenu(QPoint at) {
    const WindowMenuChoice choice = execWindowMenu(*this, *m_keys, m_recent, at);
    if (choice.recentFile)
        openRecentFile(*choice.recentFile);
    else if (choice.clearRecent)
        clearRecentFiles();
    else if (choice.command)
        onSystemCommand(choice.command);
}

void CKelvaroDlg::onCloseCommand() {
    // Unsaved work is given up only when the user answers the close question with OK.
    if (!m_editor.state().saved &&
        showWarning(this, tr(kCloseQuestion), QMessageBox::Ok | QMessageBox::Cancel) !=
            QMessageBox::Ok)
        return;
    if (m_companion)
        m_companion->close();
    m_editor.release();
    m_closing = true;
    done(QDialog::Rejected);
}

void CKelvaroDlg::accept() {
    onSave();
}
void CKelvaroDlg::reject() {
    onCloseCommand();
}

void CKelvaroDlg::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    onCloseCommand();
}

// The window keeps its own keys, plain F1 opens help, and Shift+F10 and the Menu key the window
// menu.
void CKelvaroDlg::watchKeys() {
    m_windowKeys = new WindowKeys(*this, *m_keys, [this] { m_editor.endGesture(); });
    m_menuKeys = new MenuKeys(this, [this](QPoint at) { openWindowMenu(at); });
    m_menuKeys->watch(*this);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &CKelvaroDlg::onHelp);
}

}  // namespace kelvaro
