// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Galeria części" (F3): opens the part gallery beside the editor, or closes it.
#include <QScreen>
#include <algorithm>

#include "ui/editor_keys.h"
#include "ui/gallery_window.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {
namespace {

constexpr int kGapToEditor = 8;

struct Placement {
    QPoint frameTopLeft;
    QSize size;  // inside the frame
};

// Right of the editor where the screen has room, else left of it, within the screen; no taller
// than the screen. The gallery's frame is taken to be as thick as the editor's.
Placement besideEditor(const QRect& editor, QSize size, QSize frame, const QRect& screen) {
    size = size.boundedTo(screen.size() - frame);
    const QSize outer = size + frame;
    int x = editor.right() + 1 + kGapToEditor;
    if (x + outer.width() > screen.right() + 1)
        x = editor.left() - kGapToEditor - outer.width();
    x = std::clamp(x, screen.left(), screen.right() + 1 - outer.width());
    const int y = std::clamp(editor.top(), screen.top(), screen.bottom() + 1 - outer.height());
    return {QPoint(x, y), size};
}

}  // namespace

void CKelvaroDlg::onGallery() {
    m_editor.endGesture();
    if (m_gallery && m_gallery->isVisible()) {
        m_gallery->close();
        return;
    }
    if (!m_gallery) {
        m_gallery = new GalleryWindow(m_editor, this);
        m_keys->addTo(*m_gallery);
        const Placement place =
            besideEditor(frameGeometry(), m_gallery->size(), frameGeometry().size() - size(),
                         screen()->availableGeometry());
        m_gallery->resize(place.size);
        m_gallery->move(place.frameTopLeft);
    }
    m_gallery->show();
}

}  // namespace kelvaro
