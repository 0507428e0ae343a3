// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The gallery's cells as a list model: one row per part number 0..highest of the current
// element, holding the part's picture once it has been drawn for the current snapshot of the
// portrait. A cell whose picture is not ready shows the placeholder, or the picture drawn for the
// previous snapshot of the same element until the new one arrives (so that a colour change does
// not blank the visible cells for the few milliseconds the new pictures take). A cell also holds
// the part files its picture shows dummy.png for, which its tooltip names.
#pragma once

#include <QAbstractListModel>
#include <QImage>
#include <QStringList>
#include <vector>

#include "model/part_status.h"

namespace kelvaro {

class GalleryCells : public QAbstractListModel {
    Q_OBJECT
public:
    // Roles beyond Qt's own: whether the row is the element's current part, whether its picture
    // belongs to the current snapshot, whether a file of its part shows dummy.png instead.
    enum Role { CurrentPartRole = Qt::UserRole, ReadyRole, ShowsDummyRole };

    using QAbstractListModel::QAbstractListModel;

    // Cells for parts 0..count-1 of another element, none drawn yet, each captioned with its
    // number.
    void reset(int count);
    // Captions of the cells in row order instead of their numbers (the expressions' names).
    void setCaptions(const QStringList& captions);
    // The part marked as the element's current one; -1 (or a number without cell) marks none.
    void setCurrentPart(int part);
    int currentPart() const { return m_currentPart; }
    // A new snapshot: no picture is ready any more; pictures of rows outside `keepFirst` ..
    // `keepLast` are dropped (they are drawn again when scrolled to).
    void invalidate(int keepFirst, int keepLast);
    // The picture of `part` drawn for the current snapshot, and the part's files that show
    // dummy.png instead.
    void setPicture(int part, const QImage& picture, const PartFaults& faults = {});
    // Drops the pictures of rows outside `first` .. `last`, so that scrolling through a long
    // grid keeps only the pictures around the view.
    void forgetOutside(int first, int last);

    int count() const { return static_cast<int>(m_cells.size()); }
    bool isReady(int part) const;
    QImage picture(int part) const;
    // The part's files that did not load when its picture was drawn; none for a cell not drawn.
    PartFaults faults(int part) const;
    // Why the cell shows dummy.png, one line a file, in the language the program speaks; empty
    // when every file of the part loads.
    QString faultText(int part) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Cell {
        QImage picture;
        bool ready = false;
        PartFaults faults;
    };
    bool hasCell(int part) const { return part >= 0 && part < count(); }
    void changed(int part);

    std::vector<Cell> m_cells;
    QStringList m_captions;  // empty: the part numbers
    int m_currentPart = -1;
};

}  // namespace kelvaro
