// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The companion window's commands: "Galeria części" (F3), "Kolory" (F4) and "Miny" (F5) open it
// on their tab,
// or close it when it already shows that tab; "Losuj kolory" (Ctrl+K).
#include <utility>

#include "ui/colours_tab.h"
#include "ui/companion_window.h"
#include "ui/editor_keys.h"
#include "ui/expressions_tab.h"
#include "ui/kelvaro_dlg.h"
#include "ui/menu_keys.h"
#include "ui/parts_tab.h"

namespace kelvaro {

// Building the window and showing it (placing it, composing the previews, laying out and drawing
// the first cells) are the two longest pieces of work the opening does on this thread: the first
// opening runs them in turns of their own, so that the event loop runs in between.
void CKelvaroDlg::toggleCompanion(QWidget* (*tabOf)(const CompanionWindow&)) {
    m_editor.endGesture();
    if (!m_companion) {
        m_companion = new CompanionWindow(m_editor, *this);
        m_keys->addTo(*m_companion);
        m_menuKeys->watch(*m_companion);
        m_companion->winId();  // its platform window exists at once, as after a show
        m_companionTabToOpen = tabOf;
        QMetaObject::invokeMethod(this, &CKelvaroDlg::openBuiltCompanion, Qt::QueuedConnection);
        return;
    }
    openBuiltCompanion();  // a command before that turn came: the window shows first
    QWidget* tab = tabOf(*m_companion);
    if (m_companion->showsTab(tab))
        m_companion->dismiss();
    else
        m_companion->openOn(tab);
}

void CKelvaroDlg::openBuiltCompanion() {
    if (auto tabOf = std::exchange(m_companionTabToOpen, nullptr))
        m_companion->openOn(tabOf(*m_companion));
}

void CKelvaroDlg::onGallery() {
    toggleCompanion([](const CompanionWindow& c) -> QWidget* { return c.partsTab(); });
}

void CKelvaroDlg::onColours() {
    toggleCompanion([](const CompanionWindow& c) -> QWidget* { return c.coloursTab(); });
}

void CKelvaroDlg::onExpressions() {
    toggleCompanion([](const CompanionWindow& c) -> QWidget* { return c.expressionsTab(); });
}

void CKelvaroDlg::onDrawColours() {
    m_editor.drawColours();
}

}  // namespace kelvaro
