// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/gallery_cells.h"

#include <algorithm>

namespace kelvaro {

void GalleryCells::reset(int count) {
    beginResetModel();
    m_cells.assign(static_cast<std::size_t>(std::max(count, 0)), Cell{});
    m_currentPart = -1;
    endResetModel();
}

void GalleryCells::setCaptions(const QStringList& captions) {
    m_captions = captions;
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {Qt::DisplayRole, Qt::AccessibleTextRole});
}

void GalleryCells::setCurrentPart(int part) {
    if (part == m_currentPart)
        return;
    const int previous = m_currentPart;
    m_currentPart = part;
    changed(previous);
    changed(part);
}

void GalleryCells::invalidate(int keepFirst, int keepLast) {
    for (int part = 0; part < count(); ++part) {
        Cell& cell = m_cells[static_cast<std::size_t>(part)];
        cell.ready = false;
        if (part < keepFirst || part > keepLast)
            cell.picture = QImage();
    }
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {ReadyRole, Qt::DecorationRole});
}

void GalleryCells::setPicture(int part, const QImage& picture) {
    if (!hasCell(part))
        return;
    m_cells[static_cast<std::size_t>(part)] = {picture, true};
    changed(part);
}

void GalleryCells::forgetOutside(int first, int last) {
    for (int part = 0; part < count(); ++part) {
        Cell& cell = m_cells[static_cast<std::size_t>(part)];
        if ((part < first || part > last) && !cell.picture.isNull()) {
            cell = Cell{};
            changed(part);
        }
    }
}

bool GalleryCells::isReady(int part) const {
    return hasCell(part) && m_cells[static_cast<std::size_t>(part)].ready;
}

QImage GalleryCells::picture(int part) const {
    return hasCell(part) ? m_cells[static_cast<std::size_t>(part)].picture : QImage();
}

int GalleryCells::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant GalleryCells::data(const QModelIndex& index, int role) const {
    const int part = index.row();
    if (!index.isValid() || !hasCell(part))
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return part < m_captions.size() ? m_captions[part] : QString::number(part);
        case Qt::AccessibleTextRole:
            return part < m_captions.size() ? m_captions[part] : tr("Część %1").arg(part);
        case Qt::DecorationRole:
            return picture(part);
        case CurrentPartRole:
            return part == m_currentPart;
        case ReadyRole:
            return isReady(part);
        default:
            return {};
    }
}

void GalleryCells::changed(int part) {
    if (hasCell(part))
        emit dataChanged(index(part), index(part));
}

}  // namespace kelvaro
