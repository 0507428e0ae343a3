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
#include <algorithm>
#include <array>

#include "ui/about_dlg.h"
#include "ui/control_ids.h"
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

bool isPlainF1(const QKeyEvent* key) {
    constexpr auto kBlocking = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    return key->key() == Qt::Key_F1 && !(key->modifiers() & kBlocking);
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
            addEditorCommands(menu);
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        action->setData(item.commandId);
    }
    if (const QAction* chosen = menu.exec(event->globalPos())) {
        if (!runEditorCommand(chosen->data().toInt()))
            onSystemCommand(chosen->data().toInt());
    }
}

// Unsaved work is given up only when the user answers the close question with OK.
bool CKelvaroDlg::confirmDiscard() {
    if (m_state.saved)
        return true;
    return showWarning(this, kCloseQuestion, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void CKelvaroDlg::onCloseCommand() {
    if (!confirmDiscard())
        return;
    if (m_gallery)
        m_gallery->close();
    m_state.release();
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

bool CKelvaroDlg::eventFilter(QObject* watched, QEvent* event) {
    if (filterKey(watched, event))
        return true;
    // What is typed into one edit is one step of the history until the focus leaves it.
    if (event->type() == QEvent::FocusOut &&
        std::find(m_edits.begin(), m_edits.end(), qobject_cast<QLineEdit*>(watched)) !=
            m_edits.end())
        endGesture();
    return QDialog::eventFilter(watched, event);
}

// Drops Enter, Return and Escape for this window and its controls; plain F1 opens help. The
// editor's own commands' keys work in the part gallery too, where Enter chooses a cell.
bool CKelvaroDlg::filterKey(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && m_gallery && widget->window() == m_gallery)
        return filterShortcut(event);
    if (!widget || widget->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isDroppedKey(key))
        return true;
    if (filterShortcut(event))
        return true;
    if (event->type() == QEvent::KeyPress && isPlainF1(key)) {
        onHelp();
        return true;
    }
    return false;
}

}  // namespace kelvaro
