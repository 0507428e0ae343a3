// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Headwear in three depths (behind everything, over the face, on top of everything),
// accessories and bands; the bands after the plaster and the blush lines are the face marks.
// Part 000 of each is empty; the drawers see the part number less one.
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

constexpr QColor kFelt{214, 200, 220};
constexpr QColor kStraw{240, 226, 196};
constexpr QColor kCloth{224, 204, 200};
constexpr QColor kMetal{232, 214, 160};

enum Hat { kBeret, kBrimHat, kBandana };

QPainterPath ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath halfPlane(double y, bool below) {
    QPainterPath path;
    path.addRect(QRectF(-19, below ? y : -19, 230, below ? 230 : y + 19));
    return path;
}

void drawBeret(QPainter& painter) {
    const QPainterPath body = ellipse({kMidX + 4, 38}, 46, 17);
    fillShaded(painter, body, kFelt, kFelt.darker(115), 21, 55, kInk, 1.3);
    fillShaded(painter, ellipse({kMidX + 6, 20}, 3, 3), kFelt, kFelt.darker(120), 17, 23, kInk,
               1.0);
}

void drawBrimFront(QPainter& painter) {
    const QPainterPath brim = ellipse({kMidX, 52}, 80, 20).intersected(halfPlane(52, true));
    QPainterPath crown(QPointF(58, 54));
    crown.cubicTo(QPointF(56, 8), QPointF(134, 8), QPointF(132, 54));
    crown.closeSubpath();
    fillShaded(painter, crown, kStraw, kStraw.darker(110), 14, 54, kInk, 1.3);
    fillShaded(painter, crown.intersected(halfPlane(44, true)), kRibbon, kRibbon.darker(110), 44,
               54, kInk, 1.0);
    fillShaded(painter, brim, kStraw, kStraw.darker(115), 52, 72, kInk, 1.3);
}

}  // namespace

void drawHatFront(QPainter& painter, int variant) {
    if (variant == kBeret)
        return drawBeret(painter);
    if (variant == kBrimHat)
        return drawBrimFront(painter);
    const QPainterPath scarf = ellipse({kMidX, 74}, 49, 49).intersected(halfPlane(58, false));
    fillShaded(painter, scarf, kCloth, kCloth.darker(112), 25, 58, kInk, 1.3);
}

void drawHatBack(QPainter& painter, int variant) {
    if (variant == kBrimHat) {
        fillShaded(painter, ellipse({kMidX, 52}, 80, 20), kStraw.darker(108), kStraw.darker(120),
                   32, 72, kInk, 1.3);
    } else if (variant == kBandana) {
        const QPainterPath ends =
            taperedStroke(curve({136, 52}, {150, 54}, {160, 66}, {166, 82}), 10, 9, 2);
        fillShaded(painter, ends, kCloth, kCloth.darker(115), 52, 82, kInk, 1.2);
    }
}

void drawHatMiddle(QPainter& painter, int variant) {
    if (variant != kBrimHat)
        return;
    const QPainterPath tails =
        taperedStroke(curve({128, 50}, {138, 60}, {140, 74}, {146, 92}), 6, 5, 1);
    fillShaded(painter, tails, kRibbon, kRibbon.darker(110), 50, 92, kInk, 1.0);
}

void drawAccessory(QPainter& painter, int variant) {
    painter.setBrush(Qt::NoBrush);
    if (variant == 0) {
        const QPainterPath lens = withMirror(ellipse({kMidX - kEyeDx, kEyeY + 1}, 14, 12.5));
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(kWhite, 40));
        painter.drawPath(lens);
        painter.setPen(QPen(kInk, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(lens);
        painter.drawPath(curve({kMidX - 5, kEyeY - 3}, {kMidX - 2, kEyeY - 6},
                               {kMidX + 2, kEyeY - 6}, {kMidX + 5, kEyeY - 3}));
        return;
    }
    QPainterPath drops = withMirror(ellipse({kCheekX - 3, 117}, 2.2, 2.2));
    drops.addPath(withMirror(ellipse({kCheekX - 3, 124}, 2.6, 3.6)));
    fillShaded(painter, drops, kMetal, kMetal.darker(125), 114, 128, kInk, 0.9);
}

void drawBand(QPainter& painter, int variant) {
    if (variant >= 2)
        return drawFaceMark(painter, variant - 2);
    if (variant == 0) {
        painter.save();
        painter.translate(kMidX + 24, 116);
        painter.rotate(-20);
        QPainterPath plaster;
        plaster.addRoundedRect(QRectF(-8, -3, 16, 6), 2.5, 2.5);
        fillShaded(painter, plaster, QColor(246, 226, 206), QColor(234, 210, 188), -3, 3, kSkinLine,
                   0.9);
        painter.restore();
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(kFlush, 170));
    for (const double side : {-1.0, 1.0})
        for (int i = 0; i < 3; ++i) {
            const QPointF at(kMidX + side * (20 + 4 * i), 116);
            painter.drawPath(taperedStroke(
                curve(at + QPointF(1.5, -2.5), at, at, at + QPointF(-1.5, 2.5)), 0.3, 1.1, 0.3));
        }
}

}  // namespace kelvaro::samples
