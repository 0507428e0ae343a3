// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Galeria części" (F3): opens the part gallery beside the editor, or closes it.
#include "ui/gallery_window.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {
namespace {

constexpr int kGapToEditor = 8;

}  // namespace

void CKelvaroDlg::onGallery() {
    endGesture();
    if (m_gallery && m_gallery->isVisible()) {
        m_gallery->close();
        return;
    }
    if (!m_gallery) {
        m_gallery = new GalleryWindow(*this);
        connect(this, &CKelvaroDlg::portraitShown, m_gallery, &GalleryWindow::portraitShown);
        m_gallery->move(frameGeometry().topRight() + QPoint(kGapToEditor, 0));
    }
    m_gallery->show();
}

}  // namespace kelvaro
