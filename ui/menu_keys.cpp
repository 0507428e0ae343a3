// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/menu_keys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace kelvaro {
namespace {

bool opensMenu(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace

MenuKeys::MenuKeys(QObject* parent, std::function<void(QPoint)> openMenu)
    : QObject(parent), m_openMenu(std::move(openMenu)) {
    qApp->installEventFilter(this);
}

void MenuKeys::watch(QWidget& window) {
    m_windows.append(&window);
}

QPoint MenuKeys::menuPlace(const QWidget& window) {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == &window)
        return focus->mapToGlobal(focus->rect().center());
    return window.mapToGlobal(QPoint(0, 0));
}

QWidget* MenuKeys::watchedWindowOf(QObject* watched) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return nullptr;
    QWidget* window = widget->window();
    return m_windows.contains(window) ? window : nullptr;
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ContextMenu)
        return false;
    QWidget* window = watchedWindowOf(watched);
    if (!window)
        return false;
    if (type == QEvent::ContextMenu)
        return static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    if (!opensMenu(*static_cast<QKeyEvent*>(event)))
        return false;
    m_openMenu(menuPlace(*window));
    return true;
}

}  // namespace kelvaro
