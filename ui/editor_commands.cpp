// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor's own commands beyond its buttons: portrait documents, undo and the part gallery. Each
// has a caption in the window menu, where its shortcut is shown too, and keys that run it wherever
// the focus is in the window (also in an edit, whose own undo would otherwise take Ctrl+Z).
#include <QKeyEvent>
#include <QMenu>
#include <QUndoStack>
#include <algorithm>
#include <array>

#include "ui/kelvaro_dlg.h"

namespace kelvaro {
namespace {

enum class Caption { Plain, UndoText, RedoText };

struct EditorCommand {
    const char* caption;
    std::array<QKeyCombination, 2> keys;  // the first is shown in the menu
    void (CKelvaroDlg::*run)();
    Caption style;
};

constexpr QKeyCombination kNoKey{};

const std::array<EditorCommand, 6> kEditorCommands = {{
    {"Cofnij", {Qt::CTRL | Qt::Key_Z, kNoKey}, &CKelvaroDlg::onUndo, Caption::UndoText},
    {"Ponów",
     {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y},
     &CKelvaroDlg::onRedo,
     Caption::RedoText},
    {"Otwórz portret…",
     {Qt::CTRL | Qt::Key_O, kNoKey},
     &CKelvaroDlg::onOpenPortrait,
     Caption::Plain},
    {"Zapisz portret",
     {Qt::CTRL | Qt::Key_S, kNoKey},
     &CKelvaroDlg::onSavePortrait,
     Caption::Plain},
    {"Zapisz portret jako…",
     {Qt::CTRL | Qt::SHIFT | Qt::Key_S, kNoKey},
     &CKelvaroDlg::onSavePortraitAs,
     Caption::Plain},
    {"Galeria części",
     {QKeyCombination(Qt::Key_F3), kNoKey},
     &CKelvaroDlg::onGallery,
     Caption::Plain},
}};

// Groups of the menu, separated by a line.
constexpr std::array<std::size_t, 3> kGroupEnds = {2, 5, 6};

const EditorCommand* commandFor(const QKeyEvent* key) {
    const QKeyCombination pressed = key->keyCombination();
    for (const EditorCommand& command : kEditorCommands) {
        for (QKeyCombination keys : command.keys) {
            if (keys != kNoKey && keys == pressed)
                return &command;
        }
    }
    return nullptr;
}

// "Cofnij: Generuj", or the plain caption when there is no step to name.
QString captionOf(const EditorCommand& command, const QUndoStack& history) {
    QString caption = QString::fromUtf8(command.caption);
    const QString step = command.style == Caption::UndoText   ? history.undoText()
                         : command.style == Caption::RedoText ? history.redoText()
                                                              : QString();
    if (!step.isEmpty())
        caption += QStringLiteral(": ") + step;
    return caption + QLatin1Char('\t') +
           QKeySequence(command.keys.front()).toString(QKeySequence::NativeText);
}

bool canRun(const EditorCommand& command, const QUndoStack& history) {
    switch (command.style) {
        case Caption::UndoText:
            return history.canUndo();
        case Caption::RedoText:
            return history.canRedo();
        default:
            return true;
    }
}

// Menu items of the editor's commands carry -1, -2, ...; window commands carry their positive
// identifiers.
int editorCommandData(std::size_t index) {
    return -static_cast<int>(index) - 1;
}

}  // namespace

bool CKelvaroDlg::runEditorCommand(int itemData) {
    for (std::size_t i = 0; i < kEditorCommands.size(); ++i) {
        if (editorCommandData(i) == itemData) {
            (this->*(kEditorCommands[i].run))();
            return true;
        }
    }
    return false;
}

bool CKelvaroDlg::filterShortcut(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const EditorCommand* command = commandFor(key);
    if (!command)
        return false;
    key->accept();
    if (event->type() == QEvent::KeyPress)
        (this->*(command->run))();
    return true;
}

void CKelvaroDlg::addEditorCommands(QMenu& menu) {
    for (std::size_t i = 0; i < kEditorCommands.size(); ++i) {
        const EditorCommand& command = kEditorCommands[i];
        QAction* action = menu.addAction(captionOf(command, *m_history));
        action->setEnabled(canRun(command, *m_history));
        action->setData(editorCommandData(i));
        if (std::find(kGroupEnds.begin(), kGroupEnds.end(), i + 1) != kGroupEnds.end())
            menu.addSeparator();
    }
}

}  // namespace kelvaro
