// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/gallery_cells.h"

#include <algorithm>
#include <array>

namespace kelvaro {
namespace {

// What the tooltip says of a file, by its status (Loads has no line).
constexpr std::array<const char*, 4> kFaultTexts = {
    nullptr,
    QT_TRANSLATE_NOOP("kelvaro::GalleryCells",
                      "Brak pliku części: %1 — w zamian pokazano dummy.png"),
    QT_TRANSLATE_NOOP("kelvaro::GalleryCells",
                      "To nie jest zwykły plik: %1 — w zamian pokazano dummy.png"),
    QT_TRANSLATE_NOOP("kelvaro::GalleryCells",
                      "Nie można odczytać pliku części: %1 — w zamian pokazano dummy.png"),
};

}  // namespace

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

void GalleryCells::setPicture(int part, const QImage& picture, const PartFaults& faults) {
    if (!hasCell(part))
        return;
    m_cells[static_cast<std::size_t>(part)] = {picture, true, faults};
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

PartFaults GalleryCells::faults(int part) const {
    return hasCell(part) ? m_cells[static_cast<std::size_t>(part)].faults : PartFaults();
}

QString GalleryCells::faultText(int part) const {
    QStringList lines;
    for (const PartFault& fault : faults(part)) {
        const char* text = kFaultTexts.at(static_cast<std::size_t>(fault.status));
        lines << tr(text).arg(QString::fromStdString(fault.file));
    }
    return lines.join(QLatin1Char('\n'));
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
        case ShowsDummyRole:
            return !faults(part).empty();
        case Qt::ToolTipRole:
            return faults(part).empty() ? QVariant() : QVariant(faultText(part));
        default:
            return {};
    }
}

void GalleryCells::changed(int part) {
    if (hasCell(part))
        emit dataChanged(index(part), index(part));
}

}  // namespace kelvaro
