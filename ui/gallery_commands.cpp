// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Galeria części" (F3): opens the companion window on its parts tab, or closes it.
#include "ui/companion_window.h"
#include "ui/editor_keys.h"
#include "ui/kelvaro_dlg.h"
#include "ui/parts_tab.h"

namespace kelvaro {

void CKelvaroDlg::onGallery() {
    m_editor.endGesture();
    if (m_companion && m_companion->isVisible()) {
        m_companion->dismiss();
        return;
    }
    if (!m_companion) {
        m_companion = new CompanionWindow(m_editor, *this);
        m_keys->addTo(*m_companion);
    }
    m_companion->openOn(m_companion->partsTab());
}

}  // namespace kelvaro
