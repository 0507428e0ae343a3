// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The gallery's marks: a cell whose part shows dummy.png carries the warning mark and a tooltip
// naming the file and why; a cell whose files all load carries neither.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>

#include "model/part_library.h"
#include "tests/ui/gallery_driving.h"
#include "ui/fault_mark.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_view.h"

namespace kelvaro::test {
namespace {

TEST(GalleryMarks, ACellShowingDummyIsMarkedAndItsTooltipSaysWhy) {
    EditorFixture editor([](const std::filesystem::path& base) {
        std::filesystem::remove(partPath(base, "fhair2", 1));
        std::filesystem::resize_file(partPath(base, "fhair1", 2), 0);
    });
    editor.open();
    editor.selectElement(kFrontHair);
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    // The cell without a mark comes first: no tooltip has been shown before it.
    const std::pair<int, const char*> rows[] = {
        {0, ""},
        {1, "Brak pliku części: fhair2/001.png — w zamian pokazano dummy.png"},
        {2, "Nie można odczytać pliku części: fhair1/002.png — w zamian pokazano dummy.png"},
    };
    GalleryView& view = *gallery->view();
    for (const auto& [part, tooltip] : rows) {
        ASSERT_FALSE(cellPicture(*gallery, part).isNull()) << part;
        const QModelIndex index = gallery->cells().index(part);
        const bool marked = *tooltip != '\0';
        EXPECT_EQ(index.data(GalleryCells::ShowsDummyRole).toBool(), marked) << part;
        const QPoint centre = view.visualRect(index).center();
        QHelpEvent help(QEvent::ToolTip, centre, view.viewport()->mapToGlobal(centre));
        QCoreApplication::sendEvent(view.viewport(), &help);
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8(tooltip)) << part;
        // A point inside the mark's triangle, away from its outline and its "!".
        const QRect mark = view.faultMarkRect(index);
        const QImage shot = view.viewport()->grab().toImage();
        const QPointF inside = mark.topLeft() + QPointF(mark.width() * 0.27, mark.height() * 0.77);
        EXPECT_EQ(shot.pixel((inside * shot.devicePixelRatio()).toPoint()) == kFaultMarkFill,
                  marked)
            << part;
    }
}

}  // namespace
}  // namespace kelvaro::test
