// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/choice_grid.h"

#include <QKeyEvent>
#include <QListView>

namespace kelvaro {

void makeChoiceGrid(QListView& view, int spacing) {
    view.setViewMode(QListView::IconMode);
    view.setMovement(QListView::Static);
    view.setResizeMode(QListView::Adjust);
    view.setFlow(QListView::LeftToRight);
    view.setWrapping(true);
    view.setUniformItemSizes(true);
    view.setSpacing(spacing / 2);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
}

bool choosesCurrentItem(const QKeyEvent* key) {
    return key->modifiers() == Qt::NoModifier &&
           (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter);
}

}  // namespace kelvaro
