// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Marks of feeling over the face: blush on the cheeks, tears, a sweat drop and an anger mark.
// They are drawn in light fills with darker outlines, like the other bands, so the band's colour
// controls tint them.
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

// A drop hanging from `tip` with a round bottom of radius `r` centred 2.2 r below it.
QPainterPath dropShape(QPointF tip, double r) {
    const QPointF bottom = tip + QPointF(0, 2.2 * r);
    QPainterPath drop(tip);
    drop.cubicTo(tip + QPointF(0.4 * r, 0.8 * r), bottom + QPointF(r, -0.9 * r),
                 bottom + QPointF(r, 0));
    drop.arcTo(QRectF(bottom.x() - r, bottom.y() - r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(bottom + QPointF(-r, -0.9 * r), tip + QPointF(-0.4 * r, 0.8 * r), tip);
    drop.closeSubpath();
    return drop;
}

void drawDrops(QPainter& painter, const QPainterPath& drops, double top, double bottom) {
    fillShaded(painter, drops, kWhite, kDrop, top, bottom, kDropLine, 1.0);
}

void drawBlush(QPainter& painter) {
    for (const double x : {kMidX - 24, kMidX + 24})
        softSpot(painter, {x, 116}, 12, 6.5, withAlpha(kFlush, 150));
}

void drawTears(QPainter& painter) {
    const QPointF tip(kMidX - kEyeDx - 9, kEyeY + 7);
    drawDrops(painter, withMirror(dropShape(tip, 3.0)), tip.y(), tip.y() + 9.6);
}

void drawSweat(QPainter& painter) {
    const QPointF tip(kMidX + 60, 62);
    drawDrops(painter, dropShape(tip, 4.2), tip.y(), tip.y() + 13.5);
}

// Four bent strokes around a point, the sign of a swelling vein.
void drawAngerMark(QPainter& painter) {
    QPainterPath corner =
        taperedStroke(curve({2.5, -11}, {2.5, -3.5}, {3.5, -2.5}, {11, -2.5}), 1.6, 3.8, 1.6);
    QPainterPath mark;
    for (int quarter = 0; quarter < 4; ++quarter)
        mark.addPath(QTransform().rotate(90.0 * quarter).map(corner));
    painter.save();
    painter.translate(kMidX + 62, 46);
    painter.setPen(QPen(withAlpha(kFlush.darker(140), 220), 0.8));
    painter.setBrush(kFlush);
    painter.drawPath(mark);
    painter.restore();
}

constexpr std::array<void (*)(QPainter&), 4> kMarks = {drawBlush, drawTears, drawSweat,
                                                       drawAngerMark};

}  // namespace

void drawFaceMark(QPainter& painter, int mark) {
    if (mark >= 0 && mark < static_cast<int>(kMarks.size()))
        kMarks[static_cast<std::size_t>(mark)](painter);
}

}  // namespace kelvaro::samples
