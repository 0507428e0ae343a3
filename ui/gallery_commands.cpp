// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The companion window's commands: "Galeria części" (F3), "Kolory" (F4) and "Miny" (F5) open it
// on their tab,
// or close it when it already shows that tab; "Losuj kolory" (Ctrl+K).
#include "ui/colours_tab.h"
#include "ui/companion_window.h"
#include "ui/editor_keys.h"
#include "ui/expressions_tab.h"
#include "ui/kelvaro_dlg.h"
#include "ui/menu_keys.h"
#include "ui/parts_tab.h"

namespace kelvaro {

void CKelvaroDlg::toggleCompanion(QWidget* (*tabOf)(const CompanionWindow&)) {
    m_editor.endGesture();
    if (!m_companion) {
        m_companion = new CompanionWindow(m_editor, *this);
        m_keys->addTo(*m_companion);
        m_menuKeys->watch(*m_companion);
    }
    QWidget* tab = tabOf(*m_companion);
    if (m_companion->showsTab(tab))
        m_companion->dismiss();
    else
        m_companion->openOn(tab);
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
