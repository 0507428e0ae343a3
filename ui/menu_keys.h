// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The keys of the window menu: Shift+F10 and the Menu key open it wherever the focus is in the
// windows watched, at the focused control (at the window's top left when none has the focus).
// The context menu some window systems raise for the Menu key as well is taken here too, so that
// one press opens one menu and no control opens a menu of its own from the keyboard.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QWidget;

namespace kelvaro {

class MenuKeys : public QObject {
    Q_OBJECT
public:
    // Watches the application for the keys; `openMenu` shows the menu at a global position.
    MenuKeys(QObject* parent, std::function<void(QPoint)> openMenu);

    // The keys work in `window` and the widgets in it from now on.
    void watch(QWidget& window);

    // Where the menu opens for the focus in `window`: the focused control's centre, else the
    // window's top left (global coordinates).
    static QPoint menuPlace(const QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The watched window `watched` lies in, or null.
    QWidget* watchedWindowOf(QObject* watched) const;

    std::function<void(QPoint)> m_openMenu;
    QList<QPointer<QWidget>> m_windows;
};

}  // namespace kelvaro
