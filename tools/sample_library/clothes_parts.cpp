// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Clothes: the body with its neckline behind the hair, and the collar in front of everything
// but the fringe and the headwear.
#include <array>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/part_drawers.h"

namespace kelvaro::samples {
namespace {

enum class Collar { kShirt, kSailor, kTurtleneck, kLapels, kStrings, kNone };

struct ClothesStyle {
    QColor colour;
    double neckDip;  // depth of the neckline below the shoulder line
    Collar collar;
};

constexpr std::array<ClothesStyle, 6> kStyles = {{
    {{206, 216, 232}, 12, Collar::kShirt},
    {{240, 240, 244}, 16, Collar::kSailor},
    {{220, 206, 196}, 0, Collar::kTurtleneck},
    {{188, 192, 204}, 30, Collar::kLapels},
    {{214, 222, 206}, 10, Collar::kStrings},
    {{236, 214, 218}, 22, Collar::kNone},
}};

constexpr QColor kCollarWhite{250, 250, 252};

const ClothesStyle& style(int variant) {
    return kStyles[static_cast<std::size_t>(variant) % kStyles.size()];
}

QPainterPath bodyShape(const ClothesStyle& s) {
    const double y = kShoulderY;
    QPainterPath left(QPointF(kMidX, y + s.neckDip));
    left.quadTo(QPointF(kMidX - 12, y + s.neckDip), QPointF(kMidX - 15, y - 3));
    left.cubicTo(QPointF(70, y + 4), QPointF(44, y + 6), QPointF(30, y + 14));
    left.cubicTo(QPointF(18, y + 20), QPointF(12, 190), QPointF(10, 211));
    left.lineTo(kMidX, 211);
    return symmetricOutline(left);
}

void drawBow(QPainter& painter, QPointF knot, double size) {
    QPainterPath bow = withMirror(
        curve(knot, knot + QPointF(-size, -size * 0.8), knot + QPointF(-size, size * 0.8), knot));
    bow.addPath(withMirror(curve(knot, knot + QPointF(-size * 0.3, size * 0.6),
                                 knot + QPointF(-size * 0.6, size * 1.6),
                                 knot + QPointF(-size * 0.8, size * 1.8))));
    fillShaded(painter, bow, kRibbon, kRibbon.darker(115), knot.y() - size, knot.y() + size, kInk,
               1.0);
}

void drawShirtCollar(QPainter& painter, double y) {
    QPainterPath flap(QPointF(kMidX - 14, y - 4));
    flap.lineTo(kMidX - 1, y + 13);
    flap.quadTo(QPointF(kMidX - 12, y + 13), QPointF(kMidX - 22, y + 9));
    flap.closeSubpath();
    fillShaded(painter, withMirror(flap), kCollarWhite, kCollarWhite.darker(108), y, y + 13, kInk,
               1.1);
    drawBow(painter, {kMidX, y + 14}, 8);
}

void drawSailorCollar(QPainter& painter, double y) {
    QPainterPath left(QPointF(kMidX, y + 26));
    left.lineTo(kMidX - 16, y - 3);
    left.cubicTo(QPointF(kMidX - 30, y + 2), QPointF(kMidX - 46, y + 4),
                 QPointF(kMidX - 52, y + 10));
    left.lineTo(kMidX - 44, y + 24);
    left.lineTo(kMidX - 8, y + 34);
    fillShaded(painter, withMirror(left), QColor(176, 190, 222), QColor(150, 166, 204), y, y + 34,
               kInk, 1.1);
    drawBow(painter, {kMidX, y + 30}, 8);
}

void drawTurtleneck(QPainter& painter, double y, QColor colour) {
    QPainterPath band;
    band.addRoundedRect(QRectF(kMidX - 15, y - 16, 30, 18), 5, 5);
    fillShaded(painter, band, colour, colour.darker(110), y - 16, y + 2, kInk, 1.1);
    painter.setPen(QPen(colour.darker(125), 1.0));
    for (int i = -2; i <= 2; ++i)
        painter.drawLine(QPointF(kMidX + 5 * i, y - 13), QPointF(kMidX + 5 * i, y - 1));
}

void drawLapels(QPainter& painter, double y, QColor colour) {
    QPainterPath lapel(QPointF(kMidX - 15, y - 3));
    lapel.lineTo(kMidX - 1, y + 32);
    lapel.lineTo(kMidX - 10, y + 30);
    lapel.lineTo(kMidX - 24, y + 8);
    lapel.closeSubpath();
    fillShaded(painter, withMirror(lapel), colour.darker(108), colour.darker(118), y, y + 30, kInk,
               1.1);
}

void drawStrings(QPainter& painter, double y) {
    painter.setPen(QPen(kCollarWhite.darker(110), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(withMirror(
        curve({kMidX - 6, y + 10}, {kMidX - 7, y + 18}, {kMidX - 5, y + 24}, {kMidX - 7, y + 32})));
}

}  // namespace

void drawBody(QPainter& painter, int variant) {
    const ClothesStyle& s = style(variant);
    fillShaded(painter, bodyShape(s), s.colour, s.colour.darker(118), kShoulderY, 211, kInk, 1.3);
}

void drawCollar(QPainter& painter, int variant) {
    const ClothesStyle& s = style(variant);
    const double y = kShoulderY;
    switch (s.collar) {
        case Collar::kShirt:
            return drawShirtCollar(painter, y);
        case Collar::kSailor:
            return drawSailorCollar(painter, y);
        case Collar::kTurtleneck:
            return drawTurtleneck(painter, y, s.colour);
        case Collar::kLapels:
            return drawLapels(painter, y, s.colour);
        case Collar::kStrings:
            return drawStrings(painter, y);
        case Collar::kNone:
            return;
    }
}

}  // namespace kelvaro::samples
