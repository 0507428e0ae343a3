// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/gallery_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/choice_grid.h"
#include "ui/fault_mark.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_renderer.h"

namespace kelvaro {
namespace {

constexpr int kEdge = GalleryRenderer::kCellEdge;
constexpr int kPadding = 4;       // around the picture inside a cell
constexpr int kCurrentFrame = 3;  // width of the frame around the current part's picture
constexpr int kSpacing = 6;       // between cells
constexpr int kCellWidth = kEdge + 2 * kPadding;
constexpr int kMinimumColumns = 2;

// Where the picture of a cell lies within the cell's rectangle.
QRect pictureRectIn(const QRect& cell) {
    return {cell.left() + (cell.width() - kEdge) / 2, cell.top() + kPadding, kEdge, kEdge};
}

class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {kCellWidth, kEdge + 2 * kPadding + option.fontMetrics.height()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const QRect cell = option.rect;
        painter->save();
        if (option.state & QStyle::State_Selected)
            painter->fillRect(cell, palette.highlight());
        const QRect pictureRect = pictureRectIn(cell);
        if (index.data(GalleryCells::CurrentPartRole).toBool()) {
            painter->fillRect(
                pictureRect.adjusted(-kCurrentFrame, -kCurrentFrame, kCurrentFrame, kCurrentFrame),
                palette.color(QPalette::Link));
        }
        const QImage picture = index.data(Qt::DecorationRole).value<QImage>();
        if (picture.isNull()) {
            painter->fillRect(pictureRect, palette.color(QPalette::Midlight));
        } else {
            painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter->drawImage(pictureRect, picture);
        }
        if (index.data(GalleryCells::ShowsDummyRole).toBool())
            drawFaultMark(*painter, faultMarkRect(pictureRect));
        const QRect textRect(cell.left(), pictureRect.bottom() + 1 + kPadding / 2, cell.width(),
                             option.fontMetrics.height());
        painter->setPen(palette.color(
            (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(textRect, Qt::AlignHCenter | Qt::AlignTop,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

}  // namespace

GalleryView::GalleryView(QWidget* parent) : QListView(parent) {
    setObjectName(QStringLiteral("galleryCells"));
    makeChoiceGrid(*this, kSpacing);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new CellDelegate(this));
    connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit partChosen(index.row());
    });
}

GalleryView::Rows GalleryView::visibleRows(int marginRows) const {
    std::vector<int> shown, nearby;
    const QRect view = viewport()->rect();
    const int rowHeight = sizeHintForRow(0) + kSpacing;
    const QRect near = view.adjusted(0, -marginRows * rowHeight, 0, marginRows * rowHeight);
    const int rows = model() ? model()->rowCount() : 0;
    for (int row = 0; row < rows; ++row) {
        const QRect rect = visualRect(model()->index(row, 0));
        if (rect.intersects(view))
            shown.push_back(row);
        else if (rect.intersects(near))
            nearby.push_back(row);
    }
    const std::size_t count = shown.size();
    shown.insert(shown.end(), nearby.begin(), nearby.end());
    return {std::move(shown), count};
}

// The grid lays cells out from its left edge, each followed by the spacing, and wraps a cell
// whose spacing would reach its last pixel column; the scroll bar's room is kept free whether
// it shows or not.
int GalleryView::widthForColumns(int columns) const {
    const int cells = spacing() + columns * (kCellWidth + spacing()) + 1;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return cells + scrollBar + 2 * frameWidth();
}

QRect GalleryView::faultMarkRect(const QModelIndex& index) const {
    return kelvaro::faultMarkRect(pictureRectIn(visualRect(index)));
}

QSize GalleryView::minimumSizeHint() const {
    return {widthForColumns(kMinimumColumns), QListView::minimumSizeHint().height()};
}

void GalleryView::keyPressEvent(QKeyEvent* event) {
    if (choosesCurrentItem(event) && currentIndex().isValid()) {
        emit partChosen(currentIndex().row());
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace kelvaro
