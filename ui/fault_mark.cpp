// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/fault_mark.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace kelvaro {
namespace {

constexpr int kEdge = 20;  // the mark's square, in logical pixels
constexpr int kInset = 2;  // from the picture's edges
constexpr qreal kOutline = 1.5;

// The mark's shapes as shares of its edge.
constexpr std::array<QPointF, 3> kTriangle = {{{0.5, 0.06}, {0.96, 0.9}, {0.04, 0.9}}};
constexpr QPointF kStrokeTop{0.5, 0.36};
constexpr QPointF kStrokeBottom{0.5, 0.62};
constexpr qreal kStrokeWidth = 0.12;
constexpr QPointF kDot{0.5, 0.76};
constexpr qreal kDotRadius = 0.07;

QPointF at(const QRect& rect, QPointF share) {
    return {rect.left() + share.x() * rect.width(), rect.top() + share.y() * rect.height()};
}

}  // namespace

QRect faultMarkRect(const QRect& picture) {
    return {picture.right() + 1 - kInset - kEdge, picture.top() + kInset, kEdge, kEdge};
}

void drawFaultMark(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath triangle;
    triangle.moveTo(at(rect, kTriangle[0]));
    for (const QPointF& corner : kTriangle)
        triangle.lineTo(at(rect, corner));
    triangle.closeSubpath();
    const QColor ink = QColor::fromRgba(kFaultMarkInk);
    painter.setPen(QPen(ink, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor::fromRgba(kFaultMarkFill));
    painter.drawPath(triangle);
    painter.setPen(QPen(ink, kStrokeWidth * rect.width(), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(rect, kStrokeTop), at(rect, kStrokeBottom));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal radius = kDotRadius * rect.width();
    painter.drawEllipse(at(rect, kDot), radius, radius);
    painter.restore();
}

}  // namespace kelvaro
