// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/editor_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QUndoStack>
#include <algorithm>
#include <array>

#include "editing/step_kinds.h"
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

const std::array<EditorCommand, 11> kEditorCommands = {{
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Cofnij"),
     {Qt::CTRL | Qt::Key_Z, kNoKey},
     &CKelvaroDlg::onUndo,
     Caption::UndoText},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Ponów"),
     {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y},
     &CKelvaroDlg::onRedo,
     Caption::RedoText},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Otwórz portret…"),
     {Qt::CTRL | Qt::Key_O, kNoKey},
     &CKelvaroDlg::onOpenPortrait,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Zapisz portret"),
     {Qt::CTRL | Qt::Key_S, kNoKey},
     &CKelvaroDlg::onSavePortrait,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Zapisz portret jako…"),
     {Qt::CTRL | Qt::SHIFT | Qt::Key_S, kNoKey},
     &CKelvaroDlg::onSavePortraitAs,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Zapisz arkusz twarzy…"),
     {Qt::CTRL | Qt::Key_E, kNoKey},
     &CKelvaroDlg::onSaveFaceSheet,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Zapisz miny jako pliki…"),
     {kNoKey, kNoKey},
     &CKelvaroDlg::onSaveFaces,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Galeria części"),
     {QKeyCombination(Qt::Key_F3), kNoKey},
     &CKelvaroDlg::onGallery,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Kolory"),
     {QKeyCombination(Qt::Key_F4), kNoKey},
     &CKelvaroDlg::onColours,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Miny"),
     {QKeyCombination(Qt::Key_F5), kNoKey},
     &CKelvaroDlg::onExpressions,
     Caption::Plain},
    {QT_TRANSLATE_NOOP("kelvaro::EditorKeys", "Losuj kolory"),
     {Qt::CTRL | Qt::Key_K, kNoKey},
     &CKelvaroDlg::onDrawColours,
     Caption::Plain},
}};

// Groups of the menu, separated by a line.
constexpr std::array<std::size_t, 4> kGroupEnds = {2, 7, 10, 11};

// "Cofnij: Generuj", or the plain caption when there is no step to name.
QString captionOf(const EditorCommand& command, const QUndoStack& history) {
    QString caption = EditorKeys::tr(command.caption);
    const QString step = command.style == Caption::UndoText   ? history.undoText()
                         : command.style == Caption::RedoText ? history.redoText()
                                                              : QString();
    if (!step.isEmpty())
        caption += QStringLiteral(": ") + stepText(step);
    if (command.keys.front() == kNoKey)
        return caption;
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

QList<QKeySequence> keysOf(const EditorCommand& command) {
    QList<QKeySequence> keys;
    for (QKeyCombination key : command.keys) {
        if (key != kNoKey)
            keys.append(QKeySequence(key));
    }
    return keys;
}

// Menu items of these commands carry -1, -2, ...; window commands carry their positive
// identifiers.
int menuItemData(std::size_t index) {
    return -static_cast<int>(index) - 1;
}

}  // namespace

EditorKeys::EditorKeys(CKelvaroDlg& editor) : QObject(&editor), m_editor(editor) {
    for (const EditorCommand& command : kEditorCommands) {
        auto* action = new QAction(tr(command.caption), this);
        action->setShortcuts(keysOf(command));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, &editor, command.run);
        m_actions.push_back(action);
    }
}

void EditorKeys::addTo(QWidget& window) {
    for (QAction* action : m_actions)
        window.addAction(action);
}

bool EditorKeys::runsCommand(QKeyCombination key) const {
    return std::any_of(kEditorCommands.begin(), kEditorCommands.end(), [key](const auto& c) {
        return std::find(c.keys.begin(), c.keys.end(), key) != c.keys.end() && key != kNoKey;
    });
}

void EditorKeys::addMenuItems(QMenu& menu, const std::function<void(QMenu&)>& afterOpening) const {
    const QUndoStack& history = m_editor.editor().history();
    for (std::size_t i = 0; i < kEditorCommands.size(); ++i) {
        const EditorCommand& command = kEditorCommands[i];
        QAction* item = menu.addAction(captionOf(command, history));
        item->setEnabled(canRun(command, history));
        item->setData(menuItemData(i));
        if (afterOpening && command.run == &CKelvaroDlg::onOpenPortrait)
            afterOpening(menu);
        if (std::find(kGroupEnds.begin(), kGroupEnds.end(), i + 1) != kGroupEnds.end())
            menu.addSeparator();
    }
}

bool EditorKeys::runMenuItem(const QAction& item) const {
    for (std::size_t i = 0; i < m_actions.size(); ++i) {
        if (item.data().toInt() == menuItemData(i)) {
            m_actions[i]->trigger();
            return true;
        }
    }
    return false;
}

}  // namespace kelvaro
