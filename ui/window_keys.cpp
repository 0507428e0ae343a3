// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/window_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/editor_keys.h"

namespace kelvaro {
namespace {

bool isDroppedKey(const QKeyEvent* key) {
    const bool enterOrEscape =
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
    return enterOrEscape && !(key->modifiers() & Qt::AltModifier);
}

}  // namespace

WindowKeys::WindowKeys(QWidget& window, const EditorKeys& keys, std::function<void()> editLeft)
    : QObject(&window), m_keys(keys), m_editLeft(std::move(editLeft)) {
    window.installEventFilter(this);
    for (QWidget* child : window.findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isDroppedKey(key))
            return true;
        // Not claimed here, the key goes on to the window's shortcuts.
        if (type == QEvent::ShortcutOverride && m_keys.runsCommand(key->keyCombination())) {
            event->ignore();
            return true;
        }
    }
    if (type == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched))
        m_editLeft();
    return false;
}

}  // namespace kelvaro
