// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor's own commands beyond its buttons: undo and redo, portrait documents and the
// companion window. Each has a caption in the window menu, where its first key is shown too, and
// keys that run it wherever the focus is in the windows it is added to: actions with window
// shortcuts, one set shared by the editor and the companion window.
#pragma once

#include <QKeyCombination>
#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace kelvaro {

class CKelvaroDlg;

class EditorKeys : public QObject {
    Q_OBJECT
public:
    explicit EditorKeys(CKelvaroDlg& editor);

    // The commands' keys work in `window` and the widgets in it.
    void addTo(QWidget& window);
    // True when `key` runs one of the commands.
    bool runsCommand(QKeyCombination key) const;
    // The commands as items of the window menu, named after the steps they would undo or redo;
    // `afterOpening`, when given, adds its items right after "Otwórz portret…".
    void addMenuItems(QMenu& menu, const std::function<void(QMenu&)>& afterOpening = {}) const;
    // Runs the command of a menu item addMenuItems made; false for any other item.
    bool runMenuItem(const QAction& item) const;

private:
    CKelvaroDlg& m_editor;
    std::vector<QAction*> m_actions;  // by command
};

}  // namespace kelvaro
