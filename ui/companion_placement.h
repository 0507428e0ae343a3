// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where the companion window goes on the screen, as plain geometry: every rectangle is a window
// frame (or a screen's available area) in screen coordinates.
#pragma once

#include <QList>
#include <QRect>

namespace kelvaro {

// Free space left between the editor's frame and the companion's beside it.
inline constexpr int kCompanionGap = 8;

// What the placement starts from.
struct CompanionRoom {
    QRect editor;       // the editor's frame
    QSize wanted;       // the companion's frame at its first size
    int narrowest = 0;  // the narrowest frame width still showing two columns of cells
    QRect screen;       // the available area of the editor's screen
};

// The companion's frame: right of the editor where the screen leaves room for the narrowest
// width there (narrowed to that room, at most the wanted width), else left of it; otherwise, at
// the wanted width, where it covers the least of the editor's frame (right before left, level
// with the editor before above or below it). Always inside the screen, no taller or wider than
// it; beside the editor its top is level with the editor's as far as the screen allows. With
// an empty screen: at the editor's top left, at the wanted size.
QRect placeCompanion(const CompanionRoom& room);

// True when `frame` lies wholly inside one of `screens`.
bool liesOnAScreen(const QRect& frame, const QList<QRect>& screens);

}  // namespace kelvaro
