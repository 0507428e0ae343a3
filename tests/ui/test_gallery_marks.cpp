// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The gallery's marks: a cell whose part shows dummy.png carries the warning mark and a tooltip
// naming the file and why; a cell whose files all load carries neither.
#include <gtest/gtest.h>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "model/part_library.h"
#include "tests/ui/gallery_driving.h"
#include "ui/fault_mark.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_view.h"

namespace kelvaro::test {
namespace {

// The tooltip the view shows for a real help event at `position` of its viewport, after any
// tooltip shown before has gone.
QString tooltipAt(GalleryView& view, QPoint position) {
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return QToolTip::text().isEmpty(); }))
        return QStringLiteral("(an earlier tooltip stays)");
    QHelpEvent help(QEvent::ToolTip, position, view.viewport()->mapToGlobal(position));
    QCoreApplication::sendEvent(view.viewport(), &help);
    return QToolTip::text();
}

// The colour of the view at a point inside the mark's triangle, away from its outline and "!".
QRgb markFillPixel(GalleryView& view, const QModelIndex& index) {
    const QRect mark = view.faultMarkRect(index);
    const QImage shot = view.viewport()->grab().toImage();
    const QPointF inside = mark.topLeft() + QPointF(mark.width() * 0.27, mark.height() * 0.77);
    return shot.pixel((inside * shot.devicePixelRatio()).toPoint());
}

TEST(GalleryMarks, ACellShowingDummyIsMarkedAndItsTooltipSaysWhy) {
    EditorFixture editor([](const std::filesystem::path& base) {
        std::filesystem::remove(partPath(base, "fhair2", 1));
        std::filesystem::resize_file(partPath(base, "fhair1", 2), 0);
    });
    editor.open();
    editor.selectElement(kFrontHair);
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    struct Row {
        int part;
        const char* tooltip;  // empty: no mark
    };
    const Row rows[] = {
        {0, ""},
        {1, "Brak pliku części: fhair2/001.png — w zamian pokazano dummy.png"},
        {2, "Nie można odczytać pliku części: fhair1/002.png — w zamian pokazano dummy.png"},
    };
    GalleryView& view = *gallery->view();
    for (const Row& row : rows) {
        ASSERT_FALSE(cellPicture(*gallery, row.part).isNull()) << row.part;
        const QModelIndex index = gallery->cells().index(row.part);
        const bool marked = *row.tooltip != '\0';
        EXPECT_EQ(index.data(GalleryCells::ShowsDummyRole).toBool(), marked) << row.part;
        EXPECT_EQ(tooltipAt(view, view.visualRect(index).center()), QString::fromUtf8(row.tooltip))
            << row.part;
        EXPECT_EQ(markFillPixel(view, index) == kFaultMarkFill, marked) << row.part;
    }
}

}  // namespace
}  // namespace kelvaro::test
