// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the companion's grids of things to choose (part cells, colour swatches) share: the layout
// and the key that chooses.
#pragma once

class QKeyEvent;
class QListView;

namespace kelvaro {

// Lays `view` out as a grid of items of one size, left to right and wrapping as it is resized,
// `spacing` pixels apart, one item current at a time.
void makeChoiceGrid(QListView& view, int spacing);

// Space or Enter without modifiers: the keys that choose the current item.
bool choosesCurrentItem(const QKeyEvent* key);

}  // namespace kelvaro
