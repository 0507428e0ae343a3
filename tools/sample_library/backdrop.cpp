// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The background of the canvas and the transparent substitute part.
#include <QLinearGradient>

#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro::samples {

QImage drawWall() {
    QImage wall(kCanvasSize, kCanvasSize, QImage::Format_ARGB32_Premultiplied);
    wall.fill(QColor(236, 236, 240));
    QPainter painter(&wall);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kCanvasSize);
    sky.setColorAt(0.0, QColor(214, 226, 240));
    sky.setColorAt(1.0, QColor(244, 236, 232));
    painter.fillRect(wall.rect(), sky);
    softSpot(painter, {kMidX, 80}, 90, 80, QColor(255, 255, 255, 150));
    painter.end();
    return wall.convertToFormat(QImage::Format_ARGB32);
}

QImage drawDummy() {
    return PartCanvas().finish();
}

}  // namespace kelvaro::samples
