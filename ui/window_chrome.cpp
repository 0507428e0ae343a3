// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the editor window does besides editing: the About box and the window menu, the key
// filter, help, and closing with its question.
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <algorithm>
#include <array>

#include "ui/about_dlg.h"
#include "ui/control_ids.h"
#include "ui/editor_keys.h"
#include "ui/gallery_window.h"
#include "ui/help_window.h"
#include "ui/kelvaro_dlg.h"
#include "ui/warning_box.h"

namespace kelvaro {
namespace {

// The window menu the window manager does not offer: every item is a window command.
struct WindowMenuItem {
    int commandId;  // 0: a separator
    const char* text;
};
constexpr std::array<WindowMenuItem, 4> kWindowMenu = {{
    {ids::kSysMinimize, "Minimalizuj"},
    {ids::kSysClose, "Zamknij\tAlt+F4"},
    {0, ""},
    {ids::kAboutItem, "O programie Kelvaro(&A)"},
}};

const QString kCloseQuestion = QStringLiteral("Zakończyć pracę z programem?          ");

bool isDroppedKey(const QKeyEvent* key) {
    const bool enterOrEscape =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
    return enterOrEscape && !(key->modifiers() & Qt::AltModifier);
}

}  // namespace

void CKelvaroDlg::onAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CKelvaroDlg::onHelp() {
    if (!HelpWindow::showPage(m_helpFile, this)) {
        report(QStringLiteral("Nie można znaleźć pliku z pomocą."));
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
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("windowMenu"));
    for (const WindowMenuItem& item : kWindowMenu) {
        if (item.commandId == 0) {
            menu.addSeparator();
            continue;
        }
        if (item.commandId == ids::kAboutItem)
            m_keys->addMenuItems(menu);
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        action->setData(item.commandId);
    }
    if (const QAction* chosen = menu.exec(event->globalPos())) {
        if (!m_keys->runMenuItem(*chosen))
            onSystemCommand(chosen->data().toInt());
    }
}

// Unsaved work is given up only when the user answers `question` with OK.
bool CKelvaroDlg::confirmDiscard(const QString& question) {
    return showWarning(this, question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void CKelvaroDlg::onCloseCommand() {
    if (!m_editor.state().saved && !confirmDiscard(kCloseQuestion))
        return;
    if (m_gallery)
        m_gallery->close();
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

// The window and every control in it drop Enter, Return and Escape; plain F1 opens help.
void CKelvaroDlg::watchKeys() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, &CKelvaroDlg::onHelp);
}

bool CKelvaroDlg::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && isDroppedKey(static_cast<QKeyEvent*>(event)))
        return true;
    // The editor's keys run its commands also in an edit, whose own undo would take Ctrl+Z:
    // the edit is kept from claiming them.
    if (event->type() == QEvent::ShortcutOverride &&
        m_keys->runsCommand(static_cast<QKeyEvent*>(event)->keyCombination())) {
        event->ignore();
        return true;
    }
    // What is typed into one edit is one step of the history until the focus leaves it.
    if (event->type() == QEvent::FocusOut &&
        std::find(m_edits.begin(), m_edits.end(), qobject_cast<QLineEdit*>(watched)) !=
            m_edits.end())
        m_editor.endGesture();
    return QDialog::eventFilter(watched, event);
}

}  // namespace kelvaro
