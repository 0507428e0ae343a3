// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The grid of gallery cells: each cell's picture at 96x96 (whole device pixels on a dense
// screen, like the canvas) with its part number under it, the element's current part framed.
// A click on a cell, or Space or Enter on the cell the arrow keys moved to, chooses its part.
// A cell whose part shows dummy.png for a missing or unreadable file carries a warning mark, and
// its tooltip tells which file and why.
#pragma once

#include <QListView>
#include <vector>

namespace kelvaro {

class GalleryView : public QListView {
    Q_OBJECT
public:
    explicit GalleryView(QWidget* parent = nullptr);

    // Rows whose cell shows in the viewport, then those within `marginRows` rows of cells above
    // and below it, each in reading order; `shown` counts the first.
    struct Rows {
        std::vector<int> rows;
        std::size_t shown = 0;
    };
    Rows visibleRows(int marginRows) const;

    // The narrowest width showing `columns` columns of cells side by side, with the frame and
    // the vertical scroll bar.
    int widthForColumns(int columns) const;
    // Where the mark of a cell whose part shows dummy.png is drawn, in viewport coordinates
    // (whether or not the cell has the mark).
    QRect faultMarkRect(const QModelIndex& index) const;

    // As narrow as two columns of cells.
    QSize minimumSizeHint() const override;

signals:
    void partChosen(int part);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kelvaro
