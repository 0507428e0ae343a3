// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/ui/gallery_driving.h"

#include <QTest>

#include "imaging/export_image.h"
#include "ui/companion_window.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_renderer.h"
#include "ui/gallery_view.h"

namespace kelvaro::test {
namespace {

constexpr int kPatienceMs = 30000;  // a slow sanitizer build on a busy machine

}  // namespace

PartsTab* openGallery(EditorFixture& editor) {
    editor.press(Qt::Key_F3);
    CompanionWindow* companion = editor.dialog().companion();
    if (!companion || !QTest::qWaitForWindowExposed(companion) ||
        !waitUntilUpToDate(*companion->partsTab()))
        return nullptr;
    return companion->partsTab();
}

bool waitUntilUpToDate(PartsTab& gallery) {
    return QTest::qWaitFor([&] { return gallery.upToDate(); }, kPatienceMs);
}

QImage cellPicture(PartsTab& gallery, int part) {
    gallery.view()->scrollTo(gallery.cells().index(part));
    if (!QTest::qWaitFor([&] { return gallery.upToDate() && gallery.cells().isReady(part); },
                         kPatienceMs))
        return {};
    return gallery.cells().picture(part);
}

QImage canvasAt96(EditorFixture& editor) {
    return exportedImage(*editor.canvas(), GalleryRenderer::kCellEdge);
}

void clickCell(PartsTab& gallery, int part) {
    GalleryView* view = gallery.view();
    const QModelIndex index = gallery.cells().index(part);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

}  // namespace kelvaro::test
