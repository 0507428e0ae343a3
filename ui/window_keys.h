// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor window's own key rules, watched on the window and every control in it: Enter,
// Return and Escape are dropped (without Alt), so no key saves or closes; the editor's command
// keys are kept from the edits, whose own undo would take Ctrl+Z; and leaving an edit is reported,
// since what is typed into one edit is one step of the history until the focus leaves it.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kelvaro {

class EditorKeys;

class WindowKeys : public QObject {
    Q_OBJECT
public:
    // Watches `window` and the widgets in it now; `editLeft` runs when the focus leaves an edit.
    WindowKeys(QWidget& window, const EditorKeys& keys, std::function<void()> editLeft);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const EditorKeys& m_keys;
    std::function<void()> m_editLeft;
};

}  // namespace kelvaro
