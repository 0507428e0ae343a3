// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portraits composed the way the editor shows them with every layer at its default place, for
// pictures of the sample library.
#include "tools/sample_library/paint_kit.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro::samples {
namespace {

// Clears the iris wherever the eye shape at the same place is transparent.
void maskIris(QImage& iris, const QImage& eyeShape) {
    for (int y = 0; y < iris.height(); ++y) {
        auto* irisRow = reinterpret_cast<QRgb*>(iris.scanLine(y));
        const auto* shapeRow = reinterpret_cast<const QRgb*>(eyeShape.constScanLine(y));
        for (int x = 0; x < iris.width(); ++x)
            if (qAlpha(shapeRow[x]) == 0)
                irisRow[x] &= 0x00ffffffu;
    }
}

QImage layerImage(int layer, const FaceParts& parts) {
    const int number = parts[static_cast<std::size_t>(layerInfo(layer).element)];
    QImage image = drawPart(layer, number);
    if (layer == kIrisLayer)
        maskIris(image, drawPart(kEyeShapeLayer, parts[kEyes]));
    return image;
}

}  // namespace

QImage composePortrait(const FaceParts& parts) {
    QImage canvas = drawWall().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    for (const int layer : drawOrder())
        painter.drawImage(QPoint(-kOverhang, -kOverhang), layerImage(layer, parts));
    painter.end();
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

QImage composeStrip(std::span<const FaceParts> faces, int scale) {
    const int side = kCanvasSize * scale;
    QImage strip(side * static_cast<int>(faces.size()), side, QImage::Format_ARGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    for (std::size_t i = 0; i < faces.size(); ++i)
        painter.drawImage(QRect(static_cast<int>(i) * side, 0, side, side),
                          composePortrait(faces[i]));
    painter.end();
    return strip;
}

}  // namespace kelvaro::samples
