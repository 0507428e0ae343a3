// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The mark on a gallery cell whose part shows dummy.png instead of a file of its own: a small
// warning triangle with "!" in the picture's top right corner. It is drawn as shapes, not as a
// bitmap, so that it stays sharp on dense screens, and in amber with a dark outline, so that it
// stands out on light and dark pictures and themes alike.
#pragma once

#include <QRect>
#include <QRgb>

class QPainter;

namespace kelvaro {

// The colour inside the triangle.
inline constexpr QRgb kFaultMarkFill = 0xfff2b705;
// The colour of the outline and of the "!".
inline constexpr QRgb kFaultMarkInk = 0xff2b1d00;

// Where the mark lies on a cell whose picture covers `picture`: a square of a fifth of the
// gallery's 96-pixel picture in its top right corner, 2 pixels inside.
QRect faultMarkRect(const QRect& picture);

// Draws the mark into the square `rect`; the painter's state is kept.
void drawFaultMark(QPainter& painter, const QRect& rect);

}  // namespace kelvaro
