// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/swatch_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <cstdlib>

#include "ui/choice_grid.h"

namespace kelvaro {
namespace {

constexpr int kEdge = 28;      // a swatch's square
constexpr int kMarkFrame = 3;  // the frame of the swatch the element shows
constexpr int kSpacing = 6;    // between swatches
constexpr int kMarkedRole = Qt::UserRole + 1;

QColor qtColour(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

bool closeTo(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

// A square of the swatch's colour; the marked one in a frame of the text colour with a line of
// the base colour inside it, so that it shows on light and dark swatches alike.
class SwatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {kEdge + 2 * kMarkFrame, kEdge + 2 * kMarkFrame};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const QRect square = option.rect.adjusted(kMarkFrame, kMarkFrame, -kMarkFrame, -kMarkFrame);
        painter->save();
        if (option.state & QStyle::State_HasFocus)
            painter->fillRect(option.rect, palette.highlight());
        if (index.data(kMarkedRole).toBool()) {
            painter->fillRect(option.rect, palette.color(QPalette::Text));
            painter->fillRect(square.adjusted(-1, -1, 1, 1), palette.color(QPalette::Base));
        }
        painter->fillRect(square, index.data(Qt::DecorationRole).value<QColor>());
        painter->setPen(palette.color(QPalette::Mid));
        painter->drawRect(square.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

}  // namespace

SwatchView::SwatchView(QWidget* parent) : QListView(parent), m_model(new QStandardItemModel(this)) {
    setObjectName(QStringLiteral("swatches"));
    makeChoiceGrid(*this, kSpacing);
    setItemDelegate(new SwatchDelegate(this));
    setModel(m_model);
    setMouseTracking(true);
    connect(this, &QListView::clicked, this, &SwatchView::choose);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                emit currentNameChanged(current.isValid() ? current.data(Qt::ToolTipRole).toString()
                                                          : QString());
            });
}

void SwatchView::showPalette(const Palette& palette) {
    m_model->clear();
    m_marked = -1;
    for (const Swatch& swatch : palette.swatches) {
        auto* item = new QStandardItem;
        const QString name = QString::fromStdString(swatch.name);
        const QColor colour = qtColour(swatch.colour);
        item->setData(colour, Qt::DecorationRole);
        item->setToolTip(name.isEmpty() ? colour.name() : name);
        item->setData(item->toolTip(), Qt::AccessibleTextRole);
        item->setEditable(false);
        m_model->appendRow(item);
    }
    setCurrentIndex(m_model->index(0, 0));
}

void SwatchView::markShown(std::optional<Rgb> shown) {
    int marked = -1;
    for (int row = 0; shown && row < m_model->rowCount() && marked < 0; ++row) {
        if (closeTo(swatchAt(row).colour, *shown, kShownTolerance))
            marked = row;
    }
    if (marked == m_marked)
        return;
    if (m_marked >= 0)
        m_model->item(m_marked)->setData(false, kMarkedRole);
    if (marked >= 0)
        m_model->item(marked)->setData(true, kMarkedRole);
    m_marked = marked;
}

Swatch SwatchView::swatchAt(int row) const {
    const QStandardItem* item = m_model->item(row);
    const QColor colour = item->data(Qt::DecorationRole).value<QColor>();
    return {{colour.red(), colour.green(), colour.blue()}, item->toolTip().toStdString()};
}

void SwatchView::choose(const QModelIndex& index) {
    if (index.isValid())
        emit swatchChosen(swatchAt(index.row()).colour);
}

void SwatchView::keyPressEvent(QKeyEvent* event) {
    if (choosesCurrentItem(event) && currentIndex().isValid()) {
        choose(currentIndex());
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace kelvaro
