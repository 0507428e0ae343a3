// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tools/sample_library/paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <vector>

namespace kelvaro::samples {

PartCanvas::PartCanvas() : m_image(kPartSize, kPartSize, QImage::Format_ARGB32_Premultiplied) {
    m_image.fill(Qt::transparent);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.translate(kOverhang, kOverhang);
}

QImage PartCanvas::finish() {
    m_painter.end();
    return m_image.convertToFormat(QImage::Format_ARGB32);
}

QTransform mirrorAcrossAxis() {
    return QTransform(-1.0, 0.0, 0.0, 1.0, 2.0 * kMidX, 0.0);
}

QPainterPath symmetricOutline(const QPainterPath& leftHalf) {
    QPainterPath outline = leftHalf;
    outline.connectPath(mirrorAcrossAxis().map(leftHalf).toReversed());
    outline.closeSubpath();
    return outline;
}

QPainterPath withMirror(const QPainterPath& leftOne) {
    QPainterPath both = leftOne;
    both.addPath(mirrorAcrossAxis().map(leftOne));
    return both;
}

QPainterPath taperedStroke(const QPainterPath& spine, double startWidth, double midWidth,
                           double endWidth) {
    constexpr int kSteps = 40;
    const double bend = 2.0 * midWidth - 0.5 * (startWidth + endWidth);
    std::vector<QPointF> left, right;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const QPointF a = spine.pointAtPercent(std::max(0.0, t - 0.01));
        const QPointF b = spine.pointAtPercent(std::min(1.0, t + 0.01));
        const QPointF d = b - a;
        const double length = std::max(1e-9, std::hypot(d.x(), d.y()));
        const QPointF normal(-d.y() / length, d.x() / length);
        const double u = 1.0 - t;
        const double half = 0.5 * (startWidth * u * u + 2.0 * bend * t * u + endWidth * t * t);
        const QPointF p = spine.pointAtPercent(t);
        left.push_back(p + normal * half);
        right.push_back(p - normal * half);
    }
    QPainterPath shape(left.front());
    for (std::size_t i = 1; i < left.size(); ++i)
        shape.lineTo(left[i]);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        shape.lineTo(*it);
    shape.closeSubpath();
    return shape;
}

QPainterPath curve(QPointF from, QPointF c1, QPointF c2, QPointF to) {
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    return path;
}

void fillShaded(QPainter& painter, const QPainterPath& shape, QColor top, QColor bottom, double y0,
                double y1, QColor line, double lineWidth) {
    QLinearGradient gradient(0.0, y0, 0.0, y1);
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.setPen(lineWidth > 0.0
                       ? QPen(line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
    painter.setBrush(gradient);
    painter.drawPath(shape);
}

void softSpot(QPainter& painter, QPointF centre, double rx, double ry, QColor colour) {
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, ry / rx);
    QRadialGradient gradient(QPointF(0.0, 0.0), rx);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(1.0, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0.0, 0.0), rx, rx);
    painter.restore();
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

}  // namespace kelvaro::samples
